#include "gui/screens/service/TestOperationView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const int16_t PICTOGRAM_Y = 40;
const int16_t FIRST_LINE_Y = 120;
const int16_t SECOND_LINE_Y = 160;
const int16_t LINE_HEIGHT = 30;
const int16_t BUTTON_Y = 220;
const quillon::BitmapId BUTTON_RELEASED = 5;
const quillon::BitmapId BUTTON_PRESSED = 6;
const uint8_t LABEL_COLOR = 0;
} // namespace

TestOperationView::TestOperationView()
    : BaseView<TestOperationPresenter>(&Functors::getInstance().plain),
      onClicked(this, &TestOperationView::onOnButtonClicked),
      state(STATE_START),
      flowTestRequested(false),
      pageValue(nullptr)
{
    onButton.setBitmaps(quillon::Bitmap(BUTTON_RELEASED), quillon::Bitmap(BUTTON_PRESSED));
    onButton.setLabelText(quillon::TypedText(ON_TEXT));
    onButton.setLabelColor(guicontrols::Palette::entry(LABEL_COLOR));
    onButton.setLabelColorPressed(guicontrols::Palette::entry(LABEL_COLOR));
    onButton.setAction(onClicked);
}

bool TestOperationView::isMaximumOutputPage() const
{
    return pageValue != nullptr && *pageValue == MAXIMUM_OUTPUT_PAGE;
}

quillon::TextId TestOperationView::getTitleText()
{
    const pagemanager::Page* page = pageManager != nullptr ? pageManager->getCurrentPage() : nullptr;
    const uint16_t* value = page != nullptr ? page->getPointer<const uint16_t>() : nullptr;
    return value != nullptr && *value == MAXIMUM_OUTPUT_PAGE ? MAXIMUM_OUTPUT_TEXT : TITLE_TEXT;
}

const quillon::WideChar* TestOperationView::getHelpText()
{
    return quillon::TypedText(state == STATE_START ? START_HELP_TEXT : FLOW_HELP_TEXT).getText();
}

// Runs on entry and whenever the content is built again (after help): restores the state.
void TestOperationView::setupContent(guicontrols::Content& area)
{
    const pagemanager::Page* page = pageManager != nullptr ? pageManager->getCurrentPage() : nullptr;
    pageValue = page != nullptr ? page->getPointer<const uint16_t>() : nullptr;

    busyIcon.setRotating(false);
    busyIcon.setVisible(false);
    panel.setStyle(PANEL_STYLE);
    panel.setInsets(ModeLayout::FRAME_INSET, ModeLayout::FRAME_INSET, ModeLayout::FRAME_INSET, ModeLayout::FRAME_INSET);
    panel.setPosition(ModeLayout::MARGIN, ModeLayout::MARGIN, static_cast<int16_t>(area.getWidth() - 2 * ModeLayout::MARGIN),
                      static_cast<int16_t>(area.getHeight() - 2 * ModeLayout::MARGIN));
    pictogram.setBitmap(quillon::Bitmap(PICTOGRAM));
    pictogram.setXY(static_cast<int16_t>(area.getWidth() / 2 - pictogram.getWidth() / 2), PICTOGRAM_Y);
    ModeLayout::placeLine(area, firstLine, FIRST_LINE_Y, LINE_HEIGHT, ModeLayout::MIDDLE);
    ModeLayout::placeLine(area, secondLine, SECOND_LINE_Y, LINE_HEIGHT, ModeLayout::MIDDLE);
    busyIcon.setXY(static_cast<int16_t>(area.getWidth() / 2 - busyIcon.getWidth() / 2), BUTTON_Y);

    if (state == STATE_START) {
        firstLine.setTextId(quillon::TypedText(TITLE_TEXT));
        secondLine.setVisible(false);
    } else if (state == STATE_FLOW_TEST) {
        firstLine.setTextId(quillon::TypedText(TESTING_FLOW_TEXT));
    } else {
        secondLine.setTextId(quillon::TypedText(FLOW_SUFFICIENT_TEXT));
    }

    onButton.setXY(static_cast<int16_t>(area.getWidth() / 2 - onButton.getWidth() / 2), BUTTON_Y);
    onButton.setVisible(state == STATE_START);
    area.add(panel);
    area.add(busyIcon);
    area.add(pictogram);
    area.add(firstLine);
    area.add(secondLine);
    area.add(onButton);

    if ((state == STATE_START && isMaximumOutputPage()) || state == STATE_FLOW_TEST) {
        startFlowTest();
    }
}

void TestOperationView::setupBottomBar(guicontrols::BottomBar& bar)
{
    if (state == STATE_FLOW_SUFFICIENT) {
        bar.setButtonIcon(OK_BUTTON, OK_ICON);
    } else {
        GenericView::setupBottomBar(bar);
    }
    bar.setButtonIcon(HELP_BUTTON, HELP_ICON);
}

void TestOperationView::onBottomBarButton(int index)
{
    switch (index) {
    case BACK_BUTTON:
        if (pageManager != nullptr) {
            if (pageManager->getPopupManager() != nullptr) {
                pageManager->getPopupManager()->close(MAXIMAL_THERMAL_OUTPUT_POPUP);
            }
            pageManager->back();
        }
        break;
    case OK_BUTTON:
        if (state != STATE_FLOW_SUFFICIENT) {
            GenericView::onBottomBarButton(index);
            break;
        }
        if (!isMaximumOutputPage() && presenter != nullptr && pageManager != nullptr) {
            presenter->startTestOperation();
            pageManager->back();
        }
        break;
    default:
        GenericView::onBottomBarButton(index);
        break;
    }
}

void TestOperationView::onOnButtonClicked(const quillon::AbstractButton&)
{
    if (presenter == nullptr) {
        return;
    }
    if (presenter->isTestOperationActive()) {
        startFlowTest();
    } else {
        presenter->startTestOperation(); // the shell's popup then covers the screen
    }
}

void TestOperationView::startFlowTest()
{
    state = STATE_FLOW_TEST;
    if (!flowTestRequested && presenter != nullptr) {
        presenter->requestFlowTest();
        flowTestRequested = true;
    }
    onButton.setVisible(false);
    onButton.invalidate();
    firstLine.setTextId(quillon::TypedText(TESTING_FLOW_TEXT));
    firstLine.invalidate();
    busyIcon.setRotating(true);
    busyIcon.invalidate();
    secondLine.setTextId(quillon::TypedText(HEAT_DISSIPATION_TEXT));
    secondLine.setVisible(true);
    secondLine.invalidate();
    refresh();
}

void TestOperationView::refresh()
{
    if (!flowTestRequested || presenter == nullptr || !presenter->isFlowSufficient()) {
        return;
    }
    state = STATE_FLOW_SUFFICIENT;
    secondLine.setTextId(quillon::TypedText(FLOW_SUFFICIENT_TEXT));
    secondLine.invalidate();
    busyIcon.setRotating(false);
    busyIcon.setVisible(false);
    busyIcon.invalidate();
    flowTestRequested = false;
    rebuildBottomBar(); // only OK and help now
}
