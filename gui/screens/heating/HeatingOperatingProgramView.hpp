#ifndef GUI_SCREENS_HEATING_HEATINGOPERATINGPROGRAMVIEW_HPP
#define GUI_SCREENS_HEATING_HEATINGOPERATINGPROGRAMVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramPresenter.hpp"
#include "guicontrols/TileSelector.hpp"

// Standby, hot water only, or heating and hot water for one circuit. A circuit run from
// outside first asks (external program) or only tells (external connection).
class HeatingOperatingProgramView : public BaseView<HeatingOperatingProgramPresenter>
{
public:
    static constexpr uint8_t CONFIRM_BUTTON = 5;
    static constexpr quillon::BitmapId CONFIRM_ICON = 210;
    static constexpr uint16_t QUESTION_UNITS = 60;

    // What stands before the tiles on this visit.
    enum class Notice : uint8_t
    {
        None,
        ExternalControl,    // "External program HC n": change it?
        ExternalConnection, // not changeable here
    };

    HeatingOperatingProgramView();
    ~HeatingOperatingProgramView() override {}

    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void refresh() override;

    void updateState();
    // The notice's answer: yes only where it asked. Yes shows the tiles, anything else
    // returns without writing.
    void onNoticeFinished(bool yes);

    Notice getNotice() const { return notice; }
    bool showsTiles() const { return notice == Notice::None; }
    // The external-program question with its circuit number.
    const quillon::WideChar* getQuestion() const { return question; }
    const guicontrols::TileSelector& getTiles() const { return tiles; }

private:
    guicontrols::TileSelector tiles;
    Notice notice;
    uint8_t noticeShown;
    quillon::WideChar question[QUESTION_UNITS];
};

#endif
