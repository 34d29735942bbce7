#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMCOPYVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMCOPYVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/timeprogram/TimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/TimeProgramDays.hpp"
#include "guicontrols/CheckableButtonWithLabel.hpp"
#include "guicontrols/TimeProgramGraph.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextArea.hpp>

// The source day's bar above seven day buttons; confirm copies the day to the checked ones.
class TimeProgramCopyView : public BaseView<TimeProgramCopyPresenter>
{
public:
    static const uint8_t CONFIRM_BUTTON = 5;
    static const quillon::TextId HELP_TEXT = 749;

    TimeProgramCopyView();

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    const quillon::WideChar* getTitle() override { return title; }
    const quillon::WideChar* getHelpText() override { return quillon::TypedText(HELP_TEXT).getText(); }

    void formatTitle(uint8_t day);
    void onDayButtonClicked(const quillon::AbstractButton& button);
    void applyToCheckedDays();

    uint8_t getDayButtonCount() const { return dayButtonCount; }
    const guicontrols::CheckableButtonWithLabel& getDayButton(uint8_t day) const { return dayButtons[day]; }
    const guicontrols::TimeProgramGraph& getGraph() const { return graph; }
    const quillon::TextArea& getCaption() const { return caption; }

private:
    const HeatingCircuitParam* newestParam() const;

    guicontrols::CheckableButtonWithLabel dayButtons[TimeProgramStore::DAYS];
    uint8_t dayButtonCount; // 0 until a parameter named the source day
    quillon::Callback<TimeProgramCopyView, const quillon::AbstractButton&> buttonCallback;
    quillon::Image scale;
    guicontrols::TimeProgramGraph graph;
    uint32_t circuit;
    uint16_t sourceDay;
    bool loaded; // a parameter named the source: only then does confirm write
    quillon::TextArea caption;
    quillon::WideChar title[TimeProgramDays::TITLE_UNITS];
};

#endif
