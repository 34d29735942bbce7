#ifndef GUI_SCREENS_WIZARD_WIZARDREPORTMENUVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZARDREPORTMENUVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/WizardReportMenuPresenter.hpp"
#include "guicontrols/CheckableTileButton.hpp"

#include <quillon/Callback.hpp>

// Step 5: three tiles open the results, the detected components and the settings; "Finish"
// ends the commissioning and shows the home screen. Every build empties the history, so
// the steps before cannot be reached with back, and marks the report as reached.
class WizardReportMenuView : public BaseView<WizardReportMenuPresenter>
{
public:
    static const uint8_t TILE_COUNT = 3;
    static const uint8_t FINISH_BUTTON = 5;
    static const uint32_t REPORT_REACHED_BIT = 0x0800;
    static const quillon::TextId TITLE_TEXT = 992;
    static const quillon::TextId HELP_TEXT = 771;
    static const quillon::TextId FINISH_TEXT = 940;
    static const uint8_t FINISH_COLOR = 8;
    static const uint16_t STEP_TEXT_SIZE = 30;

    WizardReportMenuView();
    ~WizardReportMenuView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    const quillon::WideChar* getHelpText() override;

    const guicontrols::CheckableTileButton& getTile(uint8_t index) const { return tiles[index]; }

private:
    void onTileClicked(const quillon::AbstractButton& tile);
    void finish();

    quillon::Callback<WizardReportMenuView, const quillon::AbstractButton&> tileClicked;
    guicontrols::CheckableTileButton tiles[TILE_COUNT];
    quillon::WideChar stepText[STEP_TEXT_SIZE];
};

#endif
