#include "LanDriving.hpp"

#include "gui/screens/settings/SettingsLanConnectionTestView.hpp"
#include "gui/screens/settings/SettingsLanParameterEditView.hpp"
#include "gui/screens/settings/SettingsLanStaticConfigView.hpp"
#include "gui/screens/settings/SettingsLanTypeView.hpp"

using namespace lan_test;

namespace
{
const std::uint32_t DHCP_ON = 635;
const std::uint32_t IP_ADDRESS = 630;

class LanConfig : public ::testing::Test
{
protected:
    LanConfig()
    {
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
        app.open(app.pages().mainPage, true);
        const std::uint32_t addresses[5] = {0xC0A8010A, 0xFFFFFF00, 0xC0A80101, 0x08080808, 0x08080404};
        for (std::uint32_t row = 0; row < 5; ++row) {
            app.bed.deviceSends(IP_ADDRESS + row, addresses[row]);
        }
    }

    // The LAN type screen with "STATIC" accepted: the list of the module's addresses.
    SettingsLanStaticConfigView* openList()
    {
        app.bed.deviceSends(DHCP_ON, std::uint8_t{0});
        app.open(app.pages().lanTypePage);
        press(app, SettingsLanTypeView::ACCEPT_BUTTON);
        app.bed.ticks(1);
        return app.screen<SettingsLanStaticConfigView>();
    }

    std::u16string row(SettingsLanStaticConfigView& list, std::uint32_t index)
    {
        return shown(list.getRow(index).getValueText());
    }

    test::AppTestBed app;
    LinkLog log;
};
} // namespace

TEST_F(LanConfig, DhcpActivatedSelectsDhcpAndAcceptWritesItAndTestsTheDhcpServer)
{
    app.bed.deviceSends(DHCP_ON, std::uint8_t{1});
    app.open(app.pages().lanTypePage);
    SettingsLanTypeView* view = app.screen<SettingsLanTypeView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getTiles().getSelectedTile(), SettingsLanTypeView::DHCP_TILE);
    EXPECT_EQ(shown(view->getTopBar().getTitleField().getText()), textOf(1024));
    LinkLog::writes().clear();

    press(app, SettingsLanTypeView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    ASSERT_EQ(LinkLog::writtenAddresses(), std::vector<std::uint16_t>{0xD01A});
    EXPECT_EQ(LinkLog::writes()[0].bytes, std::vector<std::uint8_t>{1});
    SettingsLanConnectionTestView* test = app.screen<SettingsLanConnectionTestView>();
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(shown(test->getTopBar().getTitleField().getText()), textOf(881));
    EXPECT_EQ(shown(test->getMessage().getText()), textOf(895));
}

TEST_F(LanConfig, StaticWritesNothingAndListsTheModulesAddresses)
{
    SettingsLanStaticConfigView* list = openList();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(LinkLog::writes().empty());
    EXPECT_EQ(shown(list->getTopBar().getTitleField().getText()), textOf(998));
    EXPECT_EQ(row(*list, 0), u"192.168.001.010");
    EXPECT_EQ(row(*list, 1), u"255.255.255.000");
    EXPECT_EQ(row(*list, 4), u"008.008.004.004");
    EXPECT_EQ(shown(list->getRow(2).getText()), textOf(1120));
}

TEST_F(LanConfig, AnEditedGatewayIsListedAndOnlyTheListsAcceptWritesInTheModulesOrder)
{
    SettingsLanStaticConfigView* list = openList();
    ASSERT_NE(list, nullptr);
    test::tap(app, list->getRow(2));
    app.bed.ticks(1);
    SettingsLanParameterEditView* edit = app.screen<SettingsLanParameterEditView>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(shown(edit->getTopBar().getTitleField().getText()), textOf(1120));
    EXPECT_EQ(shown(edit->getKeyboard().getText()), u"192.168.001.001");
    EXPECT_FALSE(edit->getBottomBar().getButton(GenericView::SERVICE_NOTICE_BUTTON).isTouchable());
    typeAddress(app, "010.000.000.001");
    press(app, SettingsLanParameterEditView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    list = app.screen<SettingsLanStaticConfigView>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(row(*list, 2), u"010.000.000.001");
    EXPECT_EQ(row(*list, 0), u"192.168.001.010");
    EXPECT_EQ(row(*list, 3), u"008.008.008.008");
    EXPECT_TRUE(LinkLog::writes().empty());

    press(app, GenericView::BACK_BUTTON); // drops the edit
    app.bed.ticks(1);
    EXPECT_TRUE(LinkLog::writes().empty());

    list = openList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(row(*list, 2), u"192.168.001.001"); // the module's again
    test::tap(app, list->getRow(2));
    app.bed.ticks(1);
    typeAddress(app, "010.000.000.001");
    press(app, SettingsLanParameterEditView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    press(app, SettingsLanStaticConfigView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    const std::vector<std::uint16_t> order = {0xD006, 0xD00E, 0xD00A, 0xD012, 0xD016, 0xD01A};
    ASSERT_EQ(LinkLog::writtenAddresses(), order);
    EXPECT_EQ(LinkLog::writes()[1].bytes, (std::vector<std::uint8_t>{1, 0, 0, 10})); // little-endian 10.0.0.1
    EXPECT_EQ(LinkLog::writes()[5].bytes, std::vector<std::uint8_t>{0});
    SettingsLanConnectionTestView* test = app.screen<SettingsLanConnectionTestView>();
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(shown(test->getTopBar().getTitleField().getText()), textOf(999));
    EXPECT_EQ(shown(test->getMessage().getText()), textOf(894));
}

TEST_F(LanConfig, AnIncompleteEntryIsRefusedSilentlyAndTheKeyboardStays)
{
    SettingsLanStaticConfigView* list = openList();
    ASSERT_NE(list, nullptr);
    test::tap(app, list->getRow(0));
    app.bed.ticks(1);
    typeAddress(app, "010.000.000");
    press(app, SettingsLanParameterEditView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    SettingsLanParameterEditView* edit = app.screen<SettingsLanParameterEditView>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->getViewMode(), edit);
    EXPECT_EQ(shown(edit->getKeyboard().getText()), u"010.000.000");
}

TEST_F(LanConfig, OpenedWithoutARowTheEditorStartsEmptyAndStoresNothing)
{
    LanConfigState::shared().state = LanConfigState::EDITED;
    LanConfigState::shared().addresses[0] = 0x0A000001;
    app.open(app.pages().lanParameterEditPage);
    SettingsLanParameterEditView* edit = app.screen<SettingsLanParameterEditView>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(shown(edit->getKeyboard().getText()), u"");
    typeAddress(app, "192.168.001.020");
    press(app, SettingsLanParameterEditView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    EXPECT_EQ(app.screen<SettingsLanParameterEditView>(), edit);
    EXPECT_EQ(LanConfigState::shared().state, LanConfigState::EDITED);
    EXPECT_EQ(LanConfigState::shared().addresses[0], 0x0A000001u);
}

TEST(LanAddressCheck, HostsAndMasks)
{
    struct Case
    {
        const char16_t* text;
        bool address;
        bool mask;
    };
    const Case cases[] = {
        {u"192.168.001.010", true, false},
        {u"223.255.255.255", true, false},
        {u"224.000.000.001", false, false},
        {u"000.001.002.003", false, false},
        {u"255.255.255.000", false, true},
        {u"255.255.128.000", false, true},
        {u"255.255.255.255", false, true},
        {u"000.255.255.255", false, false},
        {u"255.000.255.000", false, false}, // each octet a mask octet, together no mask
        {u"255.255.000.128", false, false},
        {u"010.000.000", false, false},
        {u"010.000.000.0011", false, false},
        {u"010.000.000.256", false, false},
    };
    for (const Case& c : cases) {
        std::vector<quillon::WideChar> text(c.text, c.text + std::char_traits<char16_t>::length(c.text));
        text.push_back(0);
        SCOPED_TRACE(std::string(c.text, c.text + text.size() - 1));
        EXPECT_EQ(SettingsLanParameterEditPresenter::isValidAddress(text.data()), c.address);
        EXPECT_EQ(SettingsLanParameterEditPresenter::isValidMask(text.data()), c.mask);
    }
}
