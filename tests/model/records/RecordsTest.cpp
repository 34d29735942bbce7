#include "helpers/Time.hpp"
#include "model/records/Records.hpp"

#include <gtest/gtest.h>

#include <cstring>

TEST(Records, FieldsDecodeLittleEndian)
{
    boiler_info boiler{};
    const uint8_t boilerBytes[16] = {0x10, 90, 200, 0, 0xC2, 0x01, 0xF6, 0xFF, 0x18, 0x00, 0x00, 0x00, 0x78, 0x56, 0x34, 0x12};
    memcpy(boiler.bytes, boilerBytes, sizeof boilerBytes);
    EXPECT_TRUE(boiler.isBurnerOn());
    EXPECT_EQ(boiler.halfPercent(0), 90);
    EXPECT_EQ(boiler.setpoint(), 450);
    EXPECT_EQ(boiler.temperature(), -10);
    EXPECT_EQ(boiler.power(0), 24u);
    EXPECT_EQ(boiler.power(1), 0x12345678u);

    solar_info solar{};
    solar.bytes[0] = 0x21;
    solar.bytes[26] = 0x34;
    solar.bytes[27] = 0x12;
    solar.bytes[44] = 0x01;
    solar.bytes[47] = 0x80;
    EXPECT_TRUE(solar.isPumpOn());
    EXPECT_TRUE(solar.stateBit(5));
    EXPECT_FALSE(solar.stateBit(1));
    EXPECT_EQ(solar.pumpHours(), 0x1234);
    EXPECT_EQ(solar.differenceMonitorCount(), 0x80000001u);

    common_info common{};
    common.bytes[1] = 0x1B; // flags 0, 1, 3 and the lock
    common.bytes[2] = 0xC9; // wink, output 20 = 2, second output 0, valve field 3
    EXPECT_EQ(common.serviceLevel(), 3u);
    EXPECT_TRUE(common.isCombustionControllerLocked());
    EXPECT_TRUE(common.isWinkRequested());
    EXPECT_EQ(common.output20(), 2);
    EXPECT_EQ(common.secondOutput(), 0);
    EXPECT_EQ(common.valveField(), common_info::BOTH_BITS);

    hc_info circuit{};
    circuit.bytes[0] = 0x81; // pump on, mixer neutral
    EXPECT_TRUE(circuit.isPumpOn());
    EXPECT_EQ(circuit.mixerPosition(), model::VALVE_NEUTRAL);

    cylinder_min_max extreme{};
    const uint8_t extremeBytes[16] = {0x00, 0x4B, 0xD3, 0x56, 0x2C, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0xE8, 0x03};
    memcpy(extreme.bytes, extremeBytes, sizeof extremeBytes);
    EXPECT_EQ(extreme.timestamp(), 0x56D34B00u);
    EXPECT_EQ(extreme.collectorTemperature(), 300);
    EXPECT_EQ(extreme.cylinderTemperature(4), 1000);
}

TEST(Records, TemperatureItemStatus)
{
    struct Case { uint8_t status; bool hasValue, fitted; };
    const Case cases[] = {{0, true, true}, {5, false, true}, {6, false, false}, {1, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.status));
        common_info common{};
        common.bytes[4] = 0xD3; // -4.5 degrees
        common.bytes[5] = 0xFF;
        common.bytes[6] = c.status;
        const model::TemperatureItem outside = common.outsideTemperature();
        EXPECT_EQ(outside.tenths, -45);
        EXPECT_EQ(outside.hasValue(), c.hasValue); // without a value screens show "---"
        EXPECT_EQ(outside.isSensorFitted(), c.fitted);
    }
}

TEST(Records, SwitchingTimesOfATimeProgramDay)
{
    const time_point day = {{0x30, 0xB0, 0xFF, 0xFF, 0x3B, 0xC0, 0x00, 0x00}};
    struct Case { uint8_t byte; const char16_t* text; };
    const Case cases[] = {
        {day.phaseStart(0), u"06:00"}, {day.phaseEnd(0), u"22:00"}, {day.phaseStart(1), u"24:00"},
        {day.phaseStart(2), u"07:30"}, {day.phaseEnd(2), u"24:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.byte));
        helpers::Time time;
        time.setFromSwitchTime(c.byte);
        quillon::WideChar text[6];
        time.format(text, 6);
        EXPECT_EQ(std::u16string(text, text + 5), c.text);
    }
}

TEST(Records, TextsAndSeries)
{
    lan_text text{};
    memcpy(text.characters, "LAN \xE9", 5);
    quillon::WideChar wide[40];
    EXPECT_EQ(text.toWide(wide, 40), 5);
    EXPECT_EQ(wide[4], 0xE9);
    EXPECT_EQ(wide[5], 0);
    lan_password full{};
    memset(full.characters, 'x', sizeof full.characters); // no terminator in the field
    EXPECT_EQ(full.toWide(wide, 40), 16);
    EXPECT_EQ(full.toWide(wide, 4), 3);
    EXPECT_EQ(wide[3], 0);

    heating_circuit_name name{};
    name.bytes[0] = 'H';
    name.bytes[2] = 0x0D;
    name.bytes[3] = 0x01; // U+010D
    EXPECT_EQ(name.unit(0), 'H');
    EXPECT_EQ(name.unit(1), 0x010D);

    solar_histogram yields{};
    yields.bytes[28] = 0xE8;
    yields.bytes[29] = 0x03;
    EXPECT_EQ(yields.value(7), 1000u);
    percent_48 shares{};
    shares.bytes[47] = 200;
    EXPECT_EQ(shares.value(47), 200);
}
