#include "InfoListBed.hpp"

#include "gui/screens/infocircuit/LANInfoView.hpp"

#include "support/screen/ScreenTestBed.hpp"

#include <quillon/LanguageTable.hpp>

namespace infocircuit_test
{
namespace
{
using Lines = std::vector<std::string>;

template <typename Text>
Text narrow(const std::string& characters)
{
    Text value = {};
    std::memcpy(value.characters, characters.data(), std::min(characters.size(), sizeof(value.characters)));
    return value;
}

class LANInfoScreen : public InfoListBed
{
protected:
    void SetUp() override
    {
        InfoListBed::SetUp();
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
    }
    LANInfoView& open() { return openPage<LANInfoView>(app.pages().lanInfoPage); }
};

TEST_F(LANInfoScreen, ShowsTheTwentyOneLinesOfTheSeededModule)
{
    LANInfoView& view = open();
    EXPECT_EQ(utf8(view.getTitle()), "Information LAN");
    EXPECT_NE(view.getHelpText(), nullptr);
    EXPECT_EQ(linesOf(view.getListControl()), (Lines{
                                                  "Manufacturing data = 2019-03-12 W11",
                                                  "ID = LM-0A3F-7C21",
                                                  "MAC address = 02-00-5E-10-20-30",
                                                  "DHCP activated = Yes",
                                                  "IP address = 192.168.001.050",
                                                  "Subnet mask = 255.255.255.000",
                                                  "Standard gateway = 192.168.001.001",
                                                  "Primary DNS server = 192.168.001.001",
                                                  "Secondary DNS server = 000.000.000.000",
                                                  "Proxy server",
                                                  "Proxy port = 0",
                                                  "Proxy user",
                                                  "Proxy password",
                                                  "Proxy activated = No",
                                                  "LAN module activated = Yes",
                                                  "LAN module status = 1",
                                                  "LAN module error = 0",
                                                  "LAN module extended error = 0",
                                                  "LAN module firmware version = 2.1.5",
                                                  "LAN module serial number = SN19030042",
                                                  "Orvanta project",
                                              }));
}

TEST_F(LANInfoScreen, ValuesArriveAsTheModuleReportsThemWhileShown)
{
    LANInfoView& view = open();
    const mac_addr mac = {{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}};
    app.bed.deviceSends(629, mac);
    app.bed.deviceSends(630, 0x0A000105u);
    app.bed.deviceSends(631, 0u);
    app.bed.deviceSends(635, static_cast<unsigned char>(2));
    app.bed.deviceSends(643, 0xABCu);
    app.bed.deviceSends(649, static_cast<unsigned short>(0x1F));
    app.bed.deviceSends(644, 0x52010203u);
    app.bed.deviceSends(636, narrow<lan_text>(std::string(40, 'p')));   // no zero byte in 32
    app.bed.deviceSends(645, narrow<lan_password>(std::string(16, 's'))); // none in 16
    app.bed.deviceSends(647, narrow<lan_password>("2024-05"));
    app.bed.ticks(1);
    const Lines lines = linesOf(view.getListControl());
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "Manufacturing data = 2024-05");
    EXPECT_EQ(lines[2], "MAC address = 0A-1B-2C-3D-4E-5F");
    EXPECT_EQ(lines[3], "DHCP activated = Yes");
    EXPECT_EQ(lines[4], "IP address = 010.000.001.005");
    EXPECT_EQ(lines[5], "Subnet mask = 000.000.000.000");
    EXPECT_EQ(lines[9], "Proxy server = " + std::string(32, 'p'));
    EXPECT_EQ(lines[16], "LAN module error = ABC");
    EXPECT_EQ(lines[17], "LAN module extended error = 1F");
    EXPECT_EQ(lines[18], "LAN module firmware version = 1.2.3R");
    EXPECT_EQ(lines[19], "LAN module serial number = " + std::string(16, 's'));
}

TEST_F(LANInfoScreen, OnlyAnRMarkedFirmwareIsARelease)
{
    struct Case
    {
        std::uint32_t value;
        const char* shown;
    };
    const Case cases[] = {
        {0x52010203u, "LAN module firmware version = 1.2.3R"},
        {0x00010203u, "LAN module firmware version = 1.2.3"},
        {0x41010203u, "LAN module firmware version = 1.2.3"},
        {0x52FF0A00u, "LAN module firmware version = 255.10.0R"},
    };
    LANInfoView& view = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        app.bed.deviceSends(644, c.value);
        app.bed.ticks(1);
        EXPECT_EQ(linesOf(view.getListControl())[18], c.shown);
    }
}

TEST(LANInfoRebuild, OnlyALanValueRebuildsTheListNeverADeviceFlag)
{
    test::ScreenTestBed bed;
    LANInfoPresenter& presenter = bed.show<LANInfoView, LANInfoPresenter>();
    bed.ticks(1);
    model::DeviceManager& devices = bed.model().getDeviceManager();
    const bool found = devices.isPresent(8);
    devices.setPresence(8, !found);
    EXPECT_FALSE(presenter.hasDataChanged());
    devices.setPresence(8, found);
    for (std::uint32_t flag : {0u, 28u, 70u}) {
        devices.setPresence(flag, !devices.isPresent(flag));
        bed.ticks(1);
        EXPECT_EQ(bed.view<LANInfoView>().getListControl().getCount(), 21u);
        devices.setPresence(flag, !devices.isPresent(flag));
    }
    bed.deviceSends(642, static_cast<unsigned char>(3));
    EXPECT_TRUE(presenter.hasDataChanged());
    EXPECT_FALSE(presenter.hasDataChanged());
}
} // namespace
} // namespace infocircuit_test
