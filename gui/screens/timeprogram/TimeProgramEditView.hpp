#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMEDITVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMEDITVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/timeprogram/TimeProgramDays.hpp"
#include "gui/screens/timeprogram/TimeProgramEditPresenter.hpp"
#include "guicontrols/TimeProgramEdit.hpp"

// One day of a program in the editor; confirm writes it, back and home discard it.
class TimeProgramEditView : public BaseView<TimeProgramEditPresenter>
{
public:
    static const uint8_t CONFIRM_BUTTON = 5;
    static const quillon::TextId ACCEPTED_TEXT = 1571;
    static const quillon::TextId HELP_TEXT = 794;

    TimeProgramEditView();

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    const quillon::WideChar* getTitle() override { return title; }
    const quillon::WideChar* getHelpText() override;

    void formatTitle(uint8_t day);

    guicontrols::TimeProgramEdit& getEditor() { return editor; }

private:
    const HeatingCircuitParam* newestParam() const;

    guicontrols::TimeProgramEdit editor;
    uint32_t circuit;
    uint8_t day;
    bool loaded; // a parameter named the day: only then does confirm write
    quillon::WideChar title[TimeProgramDays::TITLE_UNITS];
};

#endif
