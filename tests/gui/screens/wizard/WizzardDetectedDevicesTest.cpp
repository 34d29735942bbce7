#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/popups/Popup.hpp"
#include "gui/popups/PopupContainer.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizzardDetectedDevicesView.hpp"
#include "guicontrols/Palette.hpp"
#include "model/dpt/DataPointTable.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using View = WizzardDetectedDevicesView;

constexpr uint32_t SOLAR_INFO = 253;
// The sensors' indicators by list line (the solar ones are bytes of the solar record).
const uint32_t SENSOR_POINTS[] = {9, 12, 8, 11, 13, 154, 207, 24, 25, 26, 10};
const uint16_t SCHEME_PAGE = 92;

std::vector<uint16_t>& readsFirst()
{
    static std::vector<uint16_t> reads;
    return reads;
}

class Detection : public ::testing::Test, public screens::WizardBed
{
protected:
    Detection()
    {
        app.bed.frame().setCounting(false);
        for (uint32_t index : SENSOR_POINTS) {
            app.bed.deviceSends(index, uint8_t{1});
        }
        app.bed.deviceSends(SOLAR_INFO, solarRecord({}));
    }

    static solar_info solarRecord(std::initializer_list<uint32_t> faultyBytes)
    {
        solar_info record{};
        for (uint32_t byte : faultyBytes) {
            record.bytes[byte] = 1;
        }
        return record;
    }

    // As popup 12 opens it: inside the wizard, without history, the mask as given.
    View* openInWizard(uint32_t stepMask)
    {
        EXPECT_NE(enterWizard(), nullptr);
        app.pageManager().getParam<Params::Commissioning>(nullptr)->mask = stepMask;
        app.open(app.pages().wizardDetectedDevicesPage, true);
        return app.screen<View>();
    }

    bool waiting(View& view) { return view.getViewMode() == &view.getFeedbackMode(); }
    std::u16string title(View& view) { return screens::str(view.getTopBar().getSegmentField(0).getText()); }
    std::u16string rightText(View& view)
    {
        const quillon::Drawable& right = waiting(view) ? static_cast<const quillon::Drawable&>(view.getFeedbackMode().getTopRightField())
                                                       : view.getTopBar().getRightField();
        return right.getParent() != nullptr ? screens::str(static_cast<const guicontrols::TextField&>(right).getText())
                                            : u"";
    }
    bool continueShown(View& view)
    {
        return app.bed.frame().count(guicontrols::Palette::entry(View::CONTINUE_COLOR),
                                     view.getBottomBar().getButton(View::CONTINUE_BUTTON).getAbsoluteRect()) > 20;
    }
    quillon::BitmapId icon(View& view, uint8_t button) { return view.getBottomBar().getButton(button).getIcon().getId(); }

    // "text / second text" of every line, top to bottom.
    std::vector<std::u16string> lines(View& view)
    {
        std::vector<std::u16string> shown;
        for (uint32_t i = 0; i < view.getListControl().getCount(); ++i) {
            const guicontrols::BaseTextItem& item = view.getBaseItem(i);
            shown.push_back(screens::str(item.getTextField().getText()) + u" / " +
                            screens::str(item.getSecondTextField().getText()));
        }
        return shown;
    }
};

TEST_F(Detection, TheFirstVisitWaitsForTheDevicesThenListsThemAsStepThree)
{
    View* view = openInWizard(0x0001);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(mask(), 0x0081u);
    ASSERT_TRUE(waiting(*view));
    const FeedbackViewMode& feedback = view->getFeedbackMode();
    EXPECT_EQ(screens::str(feedback.getMessageField().getText()), u"Electrical components are determined.");
    EXPECT_EQ(screens::str(feedback.getTitleField().getText()).rfind(u"Determined components", 0), 0u);
    EXPECT_EQ(rightText(*view), u"Step 2/5");
    EXPECT_EQ(feedback.getTopRightField().getAbsoluteRect().right(), 780);
    EXPECT_TRUE(feedback.getBusyIcon().isRotating());
    for (uint8_t button = 0; button < 5; ++button) {
        EXPECT_EQ(icon(*view, button), quillon::BITMAP_NONE) << int(button);
    }
    EXPECT_TRUE(continueShown(*view));

    // 60 s at 16 ms a tick: 3750 ticks of the feedback, and a frame while the page comes up.
    uint32_t ticks = 0;
    while (waiting(*view) && ticks < 4000) {
        app.bed.ticks(1);
        ++ticks;
    }
    EXPECT_GE(ticks, 3750u);
    EXPECT_LE(ticks, 3751u);
    EXPECT_EQ(title(*view), u"Determined components");
    EXPECT_EQ(rightText(*view), u"Step 3/5");
    EXPECT_GT(view->getListControl().getCount(), 0u);
    EXPECT_TRUE(continueShown(*view));

    clickBottomButton(view->getBottomBar(), View::CONTINUE_BUTTON);
    EXPECT_EQ(current()->getId(), SCHEME_PAGE);
    EXPECT_EQ(app.pageManager().getHistorySize(), 1u);
}

TEST_F(Detection, ContinueEndsTheWaitAndLaterVisitsListAtOnce)
{
    View* view = openInWizard(0x0001);
    ASSERT_NE(view, nullptr);
    app.bed.ticks(10);
    clickBottomButton(view->getBottomBar(), View::CONTINUE_BUTTON);
    EXPECT_FALSE(waiting(*view));
    EXPECT_EQ(rightText(*view), u"Step 3/5");

    clickBottomButton(view->getBottomBar(), View::CONTINUE_BUTTON);
    ASSERT_EQ(current()->getId(), SCHEME_PAGE);
    app.pageManager().back(); // back from the system scheme
    app.bed.ticks(1);
    view = app.screen<View>();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(waiting(*view));
    EXPECT_EQ(rightText(*view), u"Step 3/5");
}

TEST_F(Detection, WithoutTheMaskTheDetectionRunsOnEveryEntry)
{
    app.pageManager().reset();
    app.open(app.pages().mainPage, true);
    ASSERT_FALSE(hasMask());
    for (int visit = 0; visit < 2; ++visit) {
        app.open(app.pages().wizardDetectedDevicesPage);
        View* view = app.screen<View>();
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(waiting(*view)) << visit;
        app.pageManager().back();
        app.bed.ticks(1);
    }
}

TEST_F(Detection, FromTheReportMenuThePlainListGoesBackThere)
{
    ASSERT_NE(enterWizard(), nullptr);
    app.pageManager().getParam<Params::Commissioning>(nullptr)->mask = 0x0001;
    app.open(app.pages().wizardReportMenuPage, true);
    WizardReportMenuView* report = app.screen<WizardReportMenuView>();
    ASSERT_NE(report, nullptr);
    clickOn(report->getTile(1));
    View* view = app.screen<View>();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(waiting(*view));
    EXPECT_TRUE(view->isReportForm());
    EXPECT_EQ(title(*view), u"Components");
    EXPECT_EQ(rightText(*view), u"");
    EXPECT_EQ(screens::str(view->getHelpText()).substr(0, 30), u"Results of the commissioning. ");
    EXPECT_FALSE(continueShown(*view));
    EXPECT_EQ(icon(*view, View::CONTINUE_BUTTON), quillon::BITMAP_NONE);
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_NE(app.screen<WizardReportMenuView>(), nullptr);
}

TEST_F(Detection, ArrivingHasEveryDevicePointReadAndWatchesNothing)
{
    readsFirst().clear();
    dptSetSenders({[](uint16_t address, const void* data, uint32_t n) {
                       test::ScreenTestBed::passWriteToDevice(address, data, n);
                       return 1;
                   },
                   [](uint16_t) { return 1; },
                   [](uint16_t address) {
                       readsFirst().push_back(address);
                       return 1;
                   }});
    View* view = openInWizard(0x0080);
    ASSERT_NE(view, nullptr);
    // The device manager's points, by table index.
    const uint32_t points[] = {253, 627, 331, 335, 319, 342, 37,  334, 92,  145, 198, 97,  150, 203, 228, 320, 355,
                               341, 343, 344, 330, 338, 223, 141, 194, 332, 288, 324, 321, 339, 8,   9,   10,  11,
                               12,  13,  154, 155, 207, 208, 24,  25,  26,  255, 622, 626, 354, 641, 256, 289};
    ASSERT_EQ(devices().count(), sizeof(points) / sizeof(points[0]));
    for (uint32_t index : points) {
        EXPECT_NE(std::find(readsFirst().begin(), readsFirst().end(), dptGetAddress(index)), readsFirst().end())
            << "table index " << index;
    }
    EXPECT_EQ(model::DataModelManager::getInstance().getDefaultFilter().count(), 0u);
}

TEST_F(Detection, TheListShowsPresentDevicesInTableOrderThenTheSensorsWithoutFault)
{
    app.bed.deviceSends(9, uint8_t{0});  // boiler
    app.bed.deviceSends(10, uint8_t{0}); // cylinder
    app.bed.deviceSends(SOLAR_INFO, solarRecord({10, 4})); // sensor 7 and the collector faulty
    presentOnly({60, 29, 3, 12, DEVICE_SENSOR_OUTSIDE}); // the outside sensor is fitted, only faulty
    View* view = openInWizard(0x0080);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(lines(*view), (std::vector<std::u16string>{
                                u"Gas condensing boiler / Calderix CGB 35",
                                u"Mixer / Mixer M2",
                                u"Remote control HC1 / " + screens::str(quillon::TypedText(1547).getText()),
                                u"Solar / ZR6 with DTV",
                                u"Sensor / Boiler temp",
                                u"Sensor / Solar: sensor 10",
                                u"Sensor / Solar: cylinder temp",
                                u"Sensor / Cylinder temp sensor",
                            }));

    // A sensor alone does not refill the list; a device does, with every sensor read afresh.
    app.bed.deviceSends(8, uint8_t{0}); // outside
    app.bed.ticks(2);
    EXPECT_EQ(view->getListControl().getCount(), 8u);
    app.bed.deviceSends(SOLAR_INFO, solarRecord({}));
    devices().setPresent(25);
    app.bed.ticks(1);
    const std::vector<std::u16string> after = lines(*view);
    ASSERT_EQ(after.size(), 12u);
    EXPECT_EQ(after[3], u"Extension kit / Module XB3");
    EXPECT_EQ(after[6], u"Sensor / Outside temp");
    EXPECT_EQ(std::count_if(after.begin(), after.end(), [](const std::u16string& line) {
                  return line.rfind(u"Sensor / Solar:", 0) == 0;
              }),
              4);
}

TEST_F(Detection, ALateDeviceKeepsTheScrollPosition)
{
    presentOnly({57, 3, 4, 12, 16, 20, 24, 25, 26, 46, 54, 5, 55, 56});
    View* view = openInWizard(0x0080);
    ASSERT_NE(view, nullptr);
    clickOn(view->getListControl().getDownButton());
    const uint16_t offset = view->getListControl().getScrollOffset();
    ASSERT_GT(offset, 0u);
    const uint32_t before = view->getListControl().getCount();
    devices().setPresent(53);
    app.bed.ticks(1);
    const std::vector<std::u16string> after = lines(*view);
    EXPECT_EQ(after.size(), before + 1);
    EXPECT_NE(std::find(after.begin(), after.end(), u"Flow sensor / Flow sensor"), after.end());
    EXPECT_EQ(view->getListControl().getScrollOffset(), offset);
}

// The bar has no back button here (no history); the handler is the frame's to call.
TEST_F(Detection, BackInTheWizardAsksForMoreSettingsAndArmsTheDetectionAgain)
{
    View* view = openInWizard(0x0001);
    ASSERT_NE(view, nullptr);
    app.bed.ticks(100);
    clickBottomButton(view->getBottomBar(), View::CONTINUE_BUTTON);
    ASSERT_FALSE(waiting(*view));
    EXPECT_EQ(icon(*view, GenericView::BACK_BUTTON), quillon::BITMAP_NONE);
    view->onBottomBarButton(GenericView::BACK_BUTTON);
    app.bed.ticks(1);
    EXPECT_EQ(app.screen<View>(), view);
    ASSERT_NE(view->getPopupContainer()->getCurrentPopup(), nullptr);
    EXPECT_EQ(view->getPopupContainer()->getCurrentPopup()->getId(), +View::ADDITIONAL_SETTINGS_POPUP);
    EXPECT_TRUE(view->isDetectionArmed());
    popups().close(View::ADDITIONAL_SETTINGS_POPUP);
    app.bed.ticks(1);
    clickBottomButton(view->getBottomBar(), GenericView::HELP_BUTTON);
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    ASSERT_TRUE(waiting(*view));
    // Its full 60 s again (less the frames of the touch that brought it), not what the first
    // wait left.
    uint32_t ticks = 0;
    while (waiting(*view) && ticks < 4000) {
        app.bed.ticks(1);
        ++ticks;
    }
    EXPECT_GE(ticks, 3740u);
}
} // namespace
