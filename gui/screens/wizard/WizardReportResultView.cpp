#include "gui/screens/wizard/WizardReportResultView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

#include <quillon/TypedText.hpp>

namespace
{
struct Step
{
    quillon::TextId text;
    uint32_t doneBits; // all of them
    quillon::BitmapId notDone;
};

const Step STEPS[WizardReportResultView::LINE_COUNT] = {
    {1118, 0x0002, WizardReportResultView::OPEN_TICK_ICON},  // Language
    {871, 0x0001, WizardReportResultView::OPEN_CROSS_ICON},  // Date and time
    {960, 0x0040, WizardReportResultView::OPEN_TICK_ICON},   // Type of building
    {833, 0x000C, WizardReportResultView::OPEN_CROSS_ICON},  // Filling and venting: both
    {946, 0x0010, WizardReportResultView::OPEN_TICK_ICON},   // Gas type
    {1065, 0x0020, WizardReportResultView::OPEN_CROSS_ICON}, // Flue gas temperature sensor
    {819, 0x0100, WizardReportResultView::OPEN_TICK_ICON},   // System scheme
    {1474, 0x0200, WizardReportResultView::OPEN_CROSS_ICON}, // Fine tuning
    {1003, 0x0400, WizardReportResultView::OPEN_CROSS_ICON}, // Calibration of the solar pump
};
} // namespace

WizardReportResultView::WizardReportResultView() : BaseView<WizardReportResultPresenter>(&Functors::getInstance().plain)
{
    // Read once: the lines show the mask as it was on arrival.
    const Params::Commissioning* mask =
        pageManager != nullptr ? pageManager->getParam<Params::Commissioning>(nullptr) : nullptr;
    for (uint8_t i = 0; i < LINE_COUNT; ++i) {
        const bool done = mask != nullptr && (mask->mask & STEPS[i].doneBits) == STEPS[i].doneBits;
        providers[i].setContent(quillon::TypedText(STEPS[i].text).getText(), done ? DONE_ICON : STEPS[i].notDone);
        items[i].setProvider(&providers[i]);
    }
}

void WizardReportResultView::setupContent(guicontrols::Content& area)
{
    area.add(listControl);
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
    listControl.clear(false);
    for (uint8_t i = 0; i + 1 < LINE_COUNT; ++i) {
        listControl.add(&items[i]);
    }
    if (presenter != nullptr && presenter->isAvailable(CALIBRATION_DEVICE)) {
        listControl.add(&items[LINE_COUNT - 1]);
    }
    listControl.updateItems();
}

const quillon::WideChar* WizardReportResultView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}
