#include "HomeBed.hpp"

#include <gtest/gtest.h>

namespace
{
using test::HomeBed;

TEST(MainPresenter, ReadsSetpointAndOutsideTemperatureAsShown)
{
    HomeBed home;
    struct Case
    {
        std::uint8_t setpoint;
        std::uint32_t read;
    };
    const Case setpoints[] = {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {21, 21}};
    for (const Case& c : setpoints) {
        SCOPED_TRACE(c.setpoint);
        home.send(HomeBed::ROOM_SETPOINT, c.setpoint);
        EXPECT_EQ(home.presenter().getRoomSetpoint(), c.read);
    }
    struct Outside
    {
        int16_t tenths;
        int32_t degrees;
    };
    const Outside outside[] = {{-25, -3}, {215, 22}, {-24, -2}, {-5, -1}, {4, 0}, {0, 0}};
    for (const Outside& c : outside) {
        SCOPED_TRACE(c.tenths);
        home.sendCommonInfo(c.tenths, 0);
        EXPECT_EQ(home.presenter().getOutsideTemperature(), c.degrees);
    }
}

TEST(MainPresenter, SolarNeedsBothBitsAndOnlyThreeCircuitsExist)
{
    HomeBed home;
    const std::uint8_t bits[] = {0x01, 0x02, 0x03, 0x07};
    const bool active[] = {false, false, true, true};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        solar_info info{};
        info.bytes[0] = bits[i];
        home.send(253, info);
        EXPECT_EQ(home.presenter().isSolarActive(), active[i]);
    }
    for (std::uint32_t flag = 0; flag < 8; ++flag) {
        home.device(flag, true);
    }
    EXPECT_TRUE(home.presenter().isCircuitPresent(2));
    EXPECT_FALSE(home.presenter().isCircuitPresent(3));
    EXPECT_FALSE(home.presenter().isCircuitPresent(255));
    home.device(2, false);
    EXPECT_FALSE(home.presenter().isCircuitPresent(2));
}

TEST(MainPresenter, OneCallTakesBothChangeReports)
{
    HomeBed home;
    home.ticks(2);
    MainPresenter& presenter = home.presenter();
    EXPECT_FALSE(presenter.hasDataChanged());

    home.send(HomeBed::ROOM_SETPOINT, std::uint8_t{24});
    home.device(2, !home.presenter().isAvailable(2));
    EXPECT_TRUE(presenter.hasDataChanged());
    EXPECT_FALSE(presenter.hasDataChanged()); // the device report was taken with the value's

    home.device(2, !home.presenter().isAvailable(2));
    EXPECT_TRUE(presenter.hasDataChanged());
    EXPECT_FALSE(presenter.hasDataChanged());
    home.send(HomeBed::ROOM_SETPOINT, std::uint8_t{25});
    EXPECT_TRUE(presenter.hasDataChanged());
    EXPECT_FALSE(presenter.hasDataChanged());
}

TEST(MainPresenter, NoPopupWhileWinkOrTestOperationRuns)
{
    HomeBed home;
    home.send(HomeBed::TEST_OPERATION, std::uint8_t{0});
    home.sendCommonInfo(0, 0, 0);
    EXPECT_TRUE(home.presenter().isPopupAllowed());
    home.sendCommonInfo(0, 0, 1);
    EXPECT_FALSE(home.presenter().isPopupAllowed());
    home.sendCommonInfo(0, 0, 0);
    home.send(HomeBed::TEST_OPERATION, std::uint8_t{1});
    EXPECT_FALSE(home.presenter().isPopupAllowed());
    home.send(HomeBed::TEST_OPERATION, std::uint8_t{2});
    EXPECT_TRUE(home.presenter().isPopupAllowed());
}

TEST(MainPresenter, AnIndexPastTheCircuitsReadsTheFirst)
{
    HomeBed home;
    home.presenter().setCircuit(1);
    EXPECT_EQ(home.presenter().getCircuit(), 1);
    home.presenter().setCircuit(7); // would index past the three per-circuit values
    EXPECT_EQ(home.presenter().getCircuit(), 0);
    EXPECT_EQ(home.presenter().getPageIndex(), 0);
}
} // namespace
