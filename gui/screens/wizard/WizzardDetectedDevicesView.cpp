#include "gui/screens/wizard/WizzardDetectedDevicesView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/screens/wizard/WizardStepTitle.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/TypedText.hpp>

namespace
{
struct Line
{
    quillon::TextId text;
    quillon::TextId secondText; // 0: none
    uint32_t flag;
};

const Line DEVICES[WizzardDetectedDevicesView::DEVICE_COUNT] = {
    {947, 1541, 57},  {947, 1542, 58},  {947, 1543, 59},  {947, 1544, 60},  {1338, 1485, 3},
    {1338, 1486, 4},  {1456, 1547, 12}, {1457, 1548, 16}, {1458, 1549, 20}, {1456, 1553, 13},
    {1457, 1554, 17}, {1458, 1555, 21}, {1456, 1550, 14}, {1457, 1551, 18}, {1458, 1552, 22},
    {1456, 1556, 15}, {1457, 1557, 19}, {1458, 1558, 23}, {1454, 1488, 24}, {1454, 1487, 25},
    {1201, 1545, 26}, {1201, 1546, 27}, {1201, 1518, 28}, {1201, 1519, 29}, {1322, 0, 46},
    {1448, 1489, 54}, {1448, 1539, 5},  {1471, 1445, 55}, {1471, 1446, 56}, {1527, 1527, 53},
};

// The flags are those of the sensors' faults, kept for reference: the list asks the indicators.
const Line SENSORS[WizzardDetectedDevicesView::SENSOR_COUNT] = {
    {1499, 1500, 71}, {1499, 1501, 72}, {1499, 1502, 73}, {1499, 1503, 75}, {1499, 1512, 76},
    {1499, 1509, 77}, {1499, 1510, 79}, {1499, 1514, 35}, {1499, 1515, 36}, {1499, 1511, 33},
    {1499, 1513, 34}, {1499, 1507, 81}, {1499, 1505, 82}, {1499, 1506, 83}, {1499, 1508, 74},
};

const quillon::WideChar EMPTY[] = {0};
const uint8_t TITLE_COLOR = 0;
const uint8_t NO_BULLET = 0;
const int16_t FEEDBACK_MESSAGE_OFFSET = 130;
const int16_t FEEDBACK_SECOND_OFFSET = 140;
const int16_t FEEDBACK_BUSY_OFFSET = 160;

void fill(WizzardDetectedDevicesView::DeviceEntry& entry, const Line& line)
{
    entry.provider.setTexts(quillon::TypedText(line.text).getText(),
                            line.secondText != 0 ? quillon::TypedText(line.secondText).getText() : EMPTY, NO_BULLET);
    entry.flag = line.flag;
}
} // namespace

WizzardDetectedDevicesView::WizzardDetectedDevicesView()
    : BaseView<WizzardDetectedDevicesPresenter>(&Functors::getInstance().plain),
      runDetection(true),
      reportForm(false),
      stepText()
{
    for (uint32_t i = 0; i < DEVICE_COUNT; ++i) {
        fill(devices[i], DEVICES[i]);
    }
    for (uint32_t i = 0; i < SENSOR_COUNT; ++i) {
        fill(sensors[i], SENSORS[i]);
    }
    feedbackMode.setBusyIndicator(true);
    feedbackMode.setTimeout(FEEDBACK_SECONDS);
    feedbackMode.setLayoutOffsets(FEEDBACK_MESSAGE_OFFSET, FEEDBACK_SECOND_OFFSET, FEEDBACK_BUSY_OFFSET);

    // Without the mask (not in the wizard) the detection runs on every visit.
    Params::Commissioning* mask =
        pageManager != nullptr ? pageManager->getParam<Params::Commissioning>(nullptr) : nullptr;
    if (mask == nullptr) {
        return;
    }
    if ((mask->mask & REPORT_REACHED_BIT) != 0) {
        runDetection = false;
        reportForm = true;
    } else if ((mask->mask & DETECTION_VISITED_BIT) == 0) {
        mask->mask |= DETECTION_VISITED_BIT;
    } else {
        runDetection = false;
    }
}

void WizzardDetectedDevicesView::setupTopBar(guicontrols::TopBar& bar)
{
    const quillon::Color white = guicontrols::Palette::entry(TITLE_COLOR);
    if (runDetection || reportForm) {
        const quillon::TextId title = reportForm ? REPORT_TITLE_TEXT : TITLE_TEXT;
        bar.setTitleSegments(quillon::TypedText(title).getText(), white, nullptr, white, nullptr, white, nullptr, white);
        return;
    }
    WizardStepTitle::show(bar, TITLE_TEXT, "3", stepText, STEP_TEXT_SIZE);
}

const quillon::WideChar* WizzardDetectedDevicesView::getHelpText()
{
    return quillon::TypedText(reportForm ? REPORT_HELP_TEXT : HELP_TEXT).getText();
}

void WizzardDetectedDevicesView::setupContent(guicontrols::Content& area)
{
    if (runDetection) {
        runDetection = false;
        helpers::formatWide(stepText, STEP_TEXT_SIZE, quillon::TypedText(WizardStepTitle::STEP_TEXT).getText(), "2");
        feedbackMode.useContinueButton();
        // Takes the title the top bar shows now; its end brings the list.
        showFeedback(quillon::TypedText(WAITING_TEXT).getText(), nullptr, nullptr, stepText);
        return;
    }
    helpers::formatWide(stepText, STEP_TEXT_SIZE, quillon::TypedText(WizardStepTitle::STEP_TEXT).getText(), "3");
    area.add(listControl);
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
    fillList();
    area.invalidate();
}

void WizzardDetectedDevicesView::fillList()
{
    if (presenter == nullptr) {
        return;
    }
    beginList();
    for (DeviceEntry& entry : devices) {
        if (presenter->isAvailable(entry.flag)) {
            addLine(&entry.provider);
        }
    }
    for (uint32_t line = 0; line < SENSOR_COUNT; ++line) {
        if (presenter->getSensorIndicator(line) == 0) {
            addLine(&sensors[line].provider);
        }
    }
    endList();
}

void WizzardDetectedDevicesView::update()
{
    fillList();
}

void WizzardDetectedDevicesView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    if (!reportForm) {
        // The bar keeps the colour's address: the palette's own entry outlives it.
        bar.setButtonText(CONTINUE_BUTTON, CONTINUE_TEXT, &guicontrols::Palette::entry(CONTINUE_COLOR));
    }
}

void WizzardDetectedDevicesView::onBottomBarButton(int index)
{
    if (index == CONTINUE_BUTTON && !reportForm) {
        pagemanager::Page* scheme = ShellPages::page(&Pages::wizardSchemeMainPage);
        if (pageManager != nullptr && scheme != nullptr) {
            pageManager->goTo(scheme, false);
        }
        return;
    }
    if (index == BACK_BUTTON && !reportForm) {
        // The wizard has no page behind this one: the question decides where to go.
        pagemanager::IPopupManager* popups = pageManager != nullptr ? pageManager->getPopupManager() : nullptr;
        if (popups != nullptr) {
            popups->show(ADDITIONAL_SETTINGS_POPUP, 1);
        }
        updatePopupContainer();
        runDetection = true;
        if (pageManager != nullptr) {
            pageManager->back();
        }
        return;
    }
    GenericView::onBottomBarButton(index);
}

void WizzardDetectedDevicesView::onFeedbackFinished(bool* handled)
{
    *handled = true;
    setViewMode(this);
}
