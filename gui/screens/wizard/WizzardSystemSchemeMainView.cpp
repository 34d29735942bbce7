#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/screens/wizard/CommissioningMask.hpp"
#include "gui/screens/wizard/SchemeRules.hpp"
#include "gui/screens/wizard/WizardStepTitle.hpp"
#include "guicontrols/Palette.hpp"
#include "model/devices/DeviceIds.hpp"

#include <quillon/TypedText.hpp>

namespace
{
// Click ids of the widget.
enum Component : int
{
    BOILER_WITH_CYLINDER = 0,
    BOILER = 1,
    COLLECTOR = 2,
    CYLINDER = 3,
    ADDED_CYLINDER = 4,
    FIRST_CIRCUIT = 5,
    LAST_CIRCUIT = 7
};

// Page parameter of the boiler and hot-water tuning: which of the two it shows.
const int32_t TUNE_HOT_WATER = 0;
const int32_t TUNE_BOILER = 1;
const int32_t TUNE_BOTH = 2;
} // namespace

WizzardSystemSchemeMainView::WizzardSystemSchemeMainView()
    : BaseView<WizzardSystemSchemeMainPresenter>(&Functors::getInstance().plain),
      canvas(0),
      noteMode(*this),
      stepText(),
      editShown(false)
{
    CommissioningMask::mark(pageManager, CommissioningMask::SYSTEM_SCHEME_SHOWN);
    canvas.getScheme().setClickHandler(this, &WizzardSystemSchemeMainView::componentClicked);
}

void WizzardSystemSchemeMainView::setupTopBar(guicontrols::TopBar& bar)
{
    WizardStepTitle::show(bar, TITLE_TEXT, "4", stepText, STEP_TEXT_SIZE);
}

const quillon::WideChar* WizzardSystemSchemeMainView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}

void WizzardSystemSchemeMainView::setupContent(guicontrols::Content& area)
{
    (void)area;
    buildScheme();
}

void WizzardSystemSchemeMainView::buildScheme()
{
    if (presenter == nullptr) {
        return;
    }
    if (!canvas.build(content, *presenter, pageManager)) {
        updatePopupContainer();
    }
}

bool WizzardSystemSchemeMainView::canEdit()
{
    return presenter != nullptr &&
           SchemeRules::canEdit(presenter->getScheme(), presenter->isAvailable(DEVICE_BOILER_1), presenter->hasSolar());
}

void WizzardSystemSchemeMainView::setEditButton(guicontrols::BottomBar& bar)
{
    editShown = canEdit();
    if (editShown) {
        // The bar keeps the colour's address: the palette's own entry outlives it.
        bar.setButtonText(EDIT_BUTTON, EDIT_TEXT, &guicontrols::Palette::entry(EDIT_COLOR));
    } else {
        bar.clearButton(EDIT_BUTTON);
    }
}

void WizzardSystemSchemeMainView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(HOME_BUTTON);
    bar.setButtonIcon(BACK_BUTTON, BACK_ICON);
    setEditButton(bar);
    bar.setButtonText(CONTINUE_BUTTON, CONTINUE_TEXT, &guicontrols::Palette::entry(CONTINUE_COLOR));
    if (presenter != nullptr) {
        canvas.setScrollButtons(bar, presenter->hasSolar());
    }
}

void WizzardSystemSchemeMainView::refresh()
{
    if (presenter == nullptr) {
        return;
    }
    // Every frame, but the bar is redrawn only when a button changes.
    if (!canvas.updateScrollButtons(bottomBar, presenter->hasSolar()) && canEdit() != editShown) {
        setEditButton(bottomBar);
        bottomBar.invalidate();
    }
    if (presenter->hasDataChanged()) {
        buildScheme();
    }
}

void WizzardSystemSchemeMainView::onBottomBarButton(int index)
{
    Pages* pages = ShellPages::find();
    switch (index) {
    case CONTINUE_BUTTON:
        onContinue();
        break;
    case EDIT_BUTTON:
        if (pageManager != nullptr && pages != nullptr) {
            pageManager->goTo(&pages->wizardSchemeEditPage, false);
        }
        break;
    default:
        if (!canvas.onScrollButton(content, index)) {
            GenericView::onBottomBarButton(index);
        }
        break;
    }
}

void WizzardSystemSchemeMainView::onContinue()
{
    Pages* pages = ShellPages::find();
    if (CommissioningMask::has(pageManager, CommissioningMask::FINE_TUNING_OPENED)) {
        if (pages != nullptr) {
            pageManager->goTo(&pages->wizardReportMenuPage, false);
        }
        return;
    }
    pagemanager::IPopupManager* popups = pageManager != nullptr ? pageManager->getPopupManager() : nullptr;
    if (popups != nullptr) {
        // Closed first: a "No" earlier keeps its level, which would hold the question back.
        popups->close(TIMEOUT_POPUP);
        popups->show(TIMEOUT_POPUP, POPUP_LEVEL);
    }
    updatePopupContainer();
}

void WizzardSystemSchemeMainView::componentClicked(void* context, int id)
{
    static_cast<WizzardSystemSchemeMainView*>(context)->onComponentClicked(id);
}

void WizzardSystemSchemeMainView::openTuning(pagemanager::Page* page)
{
    CommissioningMask::mark(pageManager, CommissioningMask::FINE_TUNING_OPENED);
    if (pageManager != nullptr) {
        pageManager->goTo(page, false);
    }
}

void WizzardSystemSchemeMainView::onComponentClicked(int id)
{
    Pages* pages = ShellPages::find();
    if (pages == nullptr || pageManager == nullptr) {
        return;
    }
    switch (id) {
    case BOILER_WITH_CYLINDER:
    case BOILER:
    case CYLINDER: {
        const int32_t tuned = id == BOILER_WITH_CYLINDER ? TUNE_BOTH : id == BOILER ? TUNE_BOILER : TUNE_HOT_WATER;
        pageManager->setParam(Params::SystemScheme{tuned});
        openTuning(&pages->wizardTuningGasDhwPage);
        break;
    }
    case COLLECTOR:
        openTuning(&pages->wizardTuningSolarModulePage);
        break;
    case ADDED_CYLINDER:
        noteMode.setup(quillon::TypedText(TITLE_TEXT).getText(), quillon::TypedText(NOTE_TEXT).getText());
        setViewMode(&noteMode);
        break;
    default:
        if (id >= FIRST_CIRCUIT && id <= LAST_CIRCUIT) {
            const uint16_t circuit = static_cast<uint16_t>(id - FIRST_CIRCUIT);
            pageManager->setParam(HeatingCircuitParam{circuit, 0, 0, 1, {0, 0, 0}});
            openTuning(&pages->wizardTuningHcPage);
        }
        break;
    }
}
