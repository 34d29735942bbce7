#include "helpers/Conversions.hpp"
#include "helpers/Time.hpp"
#include "WideText.hpp"

#include <gtest/gtest.h>

using helpers::Time;

TEST(Time, EndOfDayAndValidity)
{
    const Time endOfDay(24, 0, 0);
    EXPECT_TRUE(endOfDay.isValid());
    EXPECT_EQ(endOfDay.getHour(), 24u); // not reduced modulo 24
    EXPECT_FALSE(Time(86401u).isValid());

    Time late(23, 30, 0);
    late.addSeconds(3600); // no wrap at midnight
    EXPECT_EQ(late.getSecondsOfDay(), 88200u);
    EXPECT_FALSE(late.isValid());

    Time value;
    EXPECT_EQ(value.set(7, 38, 15).addMinutes(2).getMinute(), 40u);
    EXPECT_EQ(value.getSecond(), 15u);
    EXPECT_EQ(Time(8, 0, 0) - Time(7, 30, 0), 1800u);
    EXPECT_LT(Time(7, 0, 0), Time(7, 0, 1));
}

TEST(Time, Format)
{
    quillon::WideChar buffer[8];
    EXPECT_EQ(Time(24, 0, 0).format(buffer, 8), 5);
    EXPECT_EQ(narrow(buffer), u"24:00");
    EXPECT_EQ(Time(7, 30, 59).format(buffer, 8), 5);
    EXPECT_EQ(narrow(buffer), u"07:30");
    EXPECT_EQ(Time(7, 30, 0).format(buffer, 3), 5); // cut, the count stays
    EXPECT_EQ(narrow(buffer), u"07");
}

TEST(Time, SwitchingTimes)
{
    struct Case { uint8_t byte; uint32_t seconds; };
    const Case cases[] = {
        {0xC0, 86400}, {0xFF, 86400}, {0x3B, 7 * 3600 + 3 * 600}, {0x00, 0}, {0xBD, 23 * 3600 + 5 * 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.byte));
        Time value;
        EXPECT_EQ(value.setFromSwitchTime(c.byte), c.seconds);
        EXPECT_EQ(value.getSecondsOfDay(), c.seconds);
    }
    EXPECT_EQ(Time(7, 38, 0).toSwitchTime(), 0x3B);
    EXPECT_EQ(Time(24, 0, 0).toSwitchTime(), 0xC0);
    // Only setFromSwitchTime limits the byte.
    EXPECT_EQ(helpers::switchTimeToSeconds(0xFF), 31 * 3600u + 7 * 600u);
}

TEST(Conversions, BcdAndScaledValues)
{
    EXPECT_EQ(helpers::bcdToInt(0x59), 59);
    EXPECT_EQ(helpers::intToBcd(7), 0x07);
    EXPECT_EQ(helpers::intToBcd(42), 0x42);
    EXPECT_DOUBLE_EQ(helpers::tenthsToFloat(-5), -5 * static_cast<double>(0.1f)); // -0.5000000075
    EXPECT_NE(helpers::tenthsToFloat(-5), -0.5);
    EXPECT_NEAR(helpers::tenthsToFloat(215), 21.5000003, 1e-7);
    EXPECT_EQ(helpers::halvesToFloat(3), 1.5f);
    EXPECT_EQ(helpers::divideByThousand(2999), 2u);
    EXPECT_EQ(helpers::secondsPerHour(), 3600.0f);
    EXPECT_EQ(helpers::unitsPerKilo(), 1000.0f);
}

TEST(Conversions, IpAddressTextRoundTrip)
{
    quillon::WideChar text[16] = {};
    EXPECT_EQ(helpers::ipAddressToText(0xC0A8010A, text), 15);
    EXPECT_EQ(narrow(text), u"192.168.001.010");
    EXPECT_EQ(helpers::textToIpAddress(text), 0xC0A8010Au);

    EXPECT_EQ(helpers::ipAddressToText(0xFFFFFFFF, nullptr), 0);
    EXPECT_EQ(helpers::textToIpAddress(nullptr), 0u);
    for (uint32_t address : {0x00000000u, 0xFFFFFFFFu, 0x0A000001u, 0x7F636401u}) {
        helpers::ipAddressToText(address, text);
        EXPECT_EQ(helpers::textToIpAddress(text), address) << ascii(narrow(text));
    }
}

TEST(Conversions, IpOctets)
{
    struct Case { uint32_t octet; const char16_t* text; uint8_t value; };
    const Case cases[] = {
        {3, u"000.000.000.255", 255},
        {0, u"999.000.000.000", 231}, // 999 modulo 256
        {1, u"192.168.001.010", 168},
        {0, u"1.2.3.4", 0},           // fewer than three digits do not parse
        {2, u"192.168", 0},           // the text ends before the octet
        {3, u"192.168.001.", 0},
        {3, u"192.168.001.0", 0},     // ends inside the octet
        {3, u"192.168.001.01", 0},
        {1, u"", 0},
        {0, u"12345", 89},            // a longer run shifts the digits: 300 + 40 + 5, modulo 256
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ascii(c.text));
        // Exactly the text and its terminator: a read past it is caught by the sanitizers.
        const std::vector<quillon::WideChar> text = wide(c.text);
        std::unique_ptr<quillon::WideChar[]> exact(new quillon::WideChar[text.size()]);
        std::copy(text.begin(), text.end(), exact.get());
        EXPECT_EQ(helpers::parseIpOctet(c.octet, exact.get()), c.value);
    }
    EXPECT_EQ(helpers::parseIpOctet(0, nullptr), 0);
}
