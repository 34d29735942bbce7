#ifndef GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEMAINVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEMAINVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/SchemeCanvas.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainPresenter.hpp"
#include "gui/viewmodes/HelioraWarningViewMode.hpp"

#include <stdint.h>

namespace pagemanager
{
class Page;
}

// Step 4 of 5: the installation drawn from the boiler's scheme number and the devices found.
// A touched component opens its tuning, "Edit" the corrections, "Continue" the report once
// some component was tuned (else it asks first).
class WizzardSystemSchemeMainView : public BaseView<WizzardSystemSchemeMainPresenter>
{
public:
    static const uint8_t EDIT_BUTTON = 3;
    static const uint8_t CONTINUE_BUTTON = 5;
    static const uint8_t EDIT_COLOR = 11;
    static const uint8_t CONTINUE_COLOR = 8;
    static const quillon::TextId TITLE_TEXT = 819;
    static const quillon::TextId HELP_TEXT = 689;
    static const quillon::TextId EDIT_TEXT = 818;
    static const quillon::TextId CONTINUE_TEXT = 1168;
    static const quillon::TextId NOTE_TEXT = 853;
    static const uint16_t TIMEOUT_POPUP = 17;
    static const uint8_t POPUP_LEVEL = 1;
    static const uint16_t STEP_TEXT_SIZE = 15;

    WizzardSystemSchemeMainView();
    ~WizzardSystemSchemeMainView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void refresh() override;
    const quillon::WideChar* getHelpText() override;

    // By the widget's click ids.
    void onComponentClicked(int id);
    bool canEdit();

    const guicontrols::SystemScheme& getScheme() const { return canvas.getScheme(); }
    const HelioraWarningViewMode& getNoteMode() const { return noteMode; }

private:
    static void componentClicked(void* context, int id);
    void buildScheme();
    void openTuning(pagemanager::Page* page);
    void setEditButton(guicontrols::BottomBar& bar);
    void onContinue();

    SchemeCanvas canvas;
    HelioraWarningViewMode noteMode;
    quillon::WideChar stepText[STEP_TEXT_SIZE];
    bool editShown;
};

#endif
