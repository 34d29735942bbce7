#include "LanDriving.hpp"

#include "gui/popups/PopupId.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "gui/screens/service/LanCardRescueUpdateView.hpp"
#include "gui/screens/settings/LanConfigState.hpp"
#include "gui/screens/settings/SettingsLanParameterEditView.hpp"
#include "gui/screens/settings/SettingsLanStaticConfigView.hpp"
#include "gui/screens/settings/SettingsLanTypeView.hpp"
#include "gui/screens/settings/SettingsLockPanelEnableView.hpp"
#include "guicontrols/ScrollArea.hpp"

#include "support/screen/TextFit.hpp"

using namespace lan_test;

namespace
{
const char* const LANGUAGES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};
const std::uint32_t IP_ADDRESS = 630;
const std::uint32_t DHCP_ON = 635;
const std::uint32_t MODULE_STATUS = 642;
const std::uint32_t MODULE_ERROR = 643;
const std::uint32_t UPDATE_STATE = 650;
const std::uint32_t LOCK_STATE = 339;

class LanLockPreviews : public ::testing::Test
{
public:
    LanLockPreviews()
    {
        app.bed.frame().setCounting(false);
        const std::uint32_t addresses[5] = {0xC0A8010A, 0xFFFFFF00, 0xC0A80101, 0x08080808, 0x08080404};
        for (std::uint32_t row = 0; row < 5; ++row) {
            app.bed.deviceSends(IP_ADDRESS + row, addresses[row]);
        }
    }

    void openList()
    {
        app.bed.deviceSends(DHCP_ON, std::uint8_t{0});
        app.open(app.pages().lanTypePage);
        press(app, SettingsLanTypeView::ACCEPT_BUTTON);
        app.bed.ticks(1);
    }
    // Scrolls the list as a user does until the row lies wholly in view, then opens its editor.
    void editRow(std::uint32_t row)
    {
        openList();
        const guicontrols::LongButton& button = app.screen<SettingsLanStaticConfigView>()->getRow(row);
        const guicontrols::ScrollArea* list = nullptr;
        for (const quillon::Drawable* up = button.getParent(); up != nullptr && list == nullptr; up = up->getParent()) {
            list = dynamic_cast<const guicontrols::ScrollArea*>(up);
        }
        ASSERT_NE(list, nullptr);
        for (int step = 0; step < 10; ++step) {
            const quillon::Rectangle shown = button.getAbsoluteRect();
            const quillon::Rectangle items = list->getItemsArea().getAbsoluteRect();
            if (shown.y >= items.y && shown.y + shown.height <= items.y + items.height) {
                break;
            }
            test::tap(app, list->getDownButton());
        }
        test::tap(app, button);
        app.bed.ticks(1);
        ASSERT_NE(app.screen<SettingsLanParameterEditView>(), nullptr) << "row " << row << " opened no editor";
    }
    // The connection test in its mode with what the module reports at the first evaluation.
    void evaluateTest(std::uint32_t mode, std::uint8_t status, std::uint32_t error)
    {
        app.bed.deviceSends(MODULE_STATUS, status);
        app.bed.deviceSends(MODULE_ERROR, error);
        LanConfigState::shared().state = mode;
        app.open(app.pages().lanConnectionTestPage);
        app.bed.ticks(1250);
    }
    void rescueAnswered(std::uint8_t reported, int ticks)
    {
        app.bed.deviceSends(UPDATE_STATE, std::uint8_t{0});
        app.open(app.pages().lanRescueUpdatePage);
        press(app, LanCardRescueUpdateView::OK_BUTTON);
        app.bed.deviceSends(UPDATE_STATE, reported);
        app.bed.ticks(ticks);
    }

    test::AppTestBed app;
};

// Every screen and message of the LAN, lock and rescue screens in every language: the
// pictures are kept, a text wider than its field fails.
TEST_F(LanLockPreviews, EveryScreenInEveryLanguageFitsItsTexts)
{
    struct State
    {
        const char* name;
        void (*reach)(LanLockPreviews&);
    };
    const State states[] = {
        {"LanType", [](LanLockPreviews& t) {
             t.app.bed.deviceSends(DHCP_ON, std::uint8_t{1});
             t.app.open(t.app.pages().lanTypePage);
         }},
        {"LanTypeHelp", [](LanLockPreviews& t) {
             t.app.open(t.app.pages().lanTypePage);
             press(t.app, GenericView::HELP_BUTTON);
         }},
        {"LanAddresses", [](LanLockPreviews& t) { t.openList(); }},
        {"LanEditAddress", [](LanLockPreviews& t) { t.editRow(0); }},
        {"LanEditMask", [](LanLockPreviews& t) { t.editRow(1); }},
        {"LanEditSecondaryDns", [](LanLockPreviews& t) { t.editRow(4); }},
        {"LanTestDhcp", [](LanLockPreviews& t) { t.evaluateTest(LanConfigState::DHCP_TEST, 0, 0); }},
        {"LanTestStatic", [](LanLockPreviews& t) { t.evaluateTest(LanConfigState::STATIC_TEST, 0, 0); }},
        {"LanTestDhcpConnected", [](LanLockPreviews& t) { t.evaluateTest(LanConfigState::DHCP_TEST, 2, 0); }},
        {"LanTestStaticConnected", [](LanLockPreviews& t) { t.evaluateTest(LanConfigState::STATIC_TEST, 2, 0); }},
        {"LanTestDhcpError", [](LanLockPreviews& t) { t.evaluateTest(LanConfigState::DHCP_TEST, 0, 4); }},
        {"LanTestLanError", [](LanLockPreviews& t) { t.evaluateTest(LanConfigState::STATIC_TEST, 0, 8); }},
        {"LockPanel", [](LanLockPreviews& t) { t.app.open(t.app.pages().lockPanelPage); }},
        {"LockPanelHelp", [](LanLockPreviews& t) {
             t.app.open(t.app.pages().lockPanelPage);
             press(t.app, GenericView::HELP_BUTTON);
         }},
        {"LockPassword", [](LanLockPreviews& t) {
             t.app.open(t.app.pages().lockPanelEnablePage);
             typePassword(t.app, u"gravel.fin");
         }},
        {"LockDenied", [](LanLockPreviews& t) {
             t.app.open(t.app.pages().lockPanelEnablePage);
             press(t.app, SettingsLockPanelEnableView::ACCEPT_BUTTON);
         }},
        {"HomeLocked", [](LanLockPreviews& t) {
             t.app.bed.deviceSends(LOCK_STATE, std::uint8_t{2});
             t.app.pageManager().lockPanel(true);
             t.app.bed.ticks(1);
             t.app.bed.click(400, 200);
         }},
        {"RescueQuestion", [](LanLockPreviews& t) { t.app.open(t.app.pages().lanRescueUpdatePage); }},
        {"RescueDownloading", [](LanLockPreviews& t) { t.rescueAnswered(7, 2); }},
        {"RescueUpdating", [](LanLockPreviews& t) { t.rescueAnswered(0, 630); }},
        {"RescueFailed", [](LanLockPreviews& t) { t.rescueAnswered(255, 2); }},
        {"RescueUpToDate", [](LanLockPreviews& t) { t.rescueAnswered(254, 2); }},
    };
    for (int language = 0; language < 10; ++language) {
        for (const State& state : states) {
            SCOPED_TRACE(std::string(state.name) + " " + LANGUAGES[language]);
            app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
            app.bed.deviceSends(LOCK_STATE, std::uint8_t{0});
            app.app.getPopupSystem().getManager().close(POPUP_LAN_ERROR);
            app.app.getPopupSystem().getManager().close(POPUP_PANEL_LOCKED);
            app.pageManager().setAccessLevel(5);
            app.open(app.pages().mainPage, true);
            app.open(app.pages().settingsMenuPage);
            state.reach(*this);
            app.bed.ticks(2);
            ASSERT_NE(app.app.getCurrentScreen(), nullptr);
            EXPECT_TRUE(test::writePreview(app, "lanlock", std::string(state.name) + "-" + LANGUAGES[language]));
            EXPECT_EQ(test::overwideTexts(app.app.getCurrentScreen()->getRootContainer()), std::vector<std::string>{});
        }
    }
}
} // namespace
