#include "ProviderFixture.hpp"

#include "guicontrols/BiStateContentProvider.hpp"
#include "guicontrols/DateContentProvider.hpp"
#include "guicontrols/FavouritesProvider.hpp"
#include "guicontrols/NumericContentProvider.hpp"
#include "guicontrols/SimpleTextProvider.hpp"
#include "guicontrols/TextImageProvider.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
using U8Provider = NumericContentProvider<unsigned char, DP_U8, 20u>;
using S8Provider = NumericContentProvider<signed char, DP_S8, 20u>;
using U32Provider = NumericContentProvider<unsigned int, DP_U32, 20u>;

class ValueProvidersTest : public ProviderTest
{
};

uint8_t bcd(uint32_t value)
{
    return static_cast<uint8_t>((value / 10) * 16 + value % 10);
}

date_time deviceDate(uint32_t year, uint32_t month, uint32_t day)
{
    date_time record = {};
    record.century = bcd(year / 100);
    record.year = bcd(year % 100);
    record.month = bcd(month);
    record.day = bcd(day);
    return record;
}
} // namespace

TEST_F(ValueProvidersTest, NumbersThroughTheirFormats)
{
    const uint32_t u8 = entryOf(DP_U8);
    U8Provider::DataPointType u8Point(u8);
    put(u8, static_cast<uint8_t>(65));
    U8Provider degrees(&u8Point, w(u"Set"), w(u"%d°C"), 1.0f, 0, 0, 0);
    EXPECT_EQ(text(degrees.getSecondText(0)), u"65°C");
    put(u8, static_cast<uint8_t>(25));
    U8Provider flow(&u8Point, w(u"Flow"), w(u"%.1f l/min"), 10.0f, 1, 0, 0);
    EXPECT_EQ(text(flow.getSecondText(0)), u"2.5 l/min");
    EXPECT_EQ(text(flow.getText(0)), u"● Flow");

    const uint32_t s8 = entryOf(DP_S8);
    S8Provider::DataPointType s8Point(s8);
    put(s8, static_cast<int8_t>(-5));
    S8Provider shift(&s8Point, w(u"Level"), w(u"%.0f K"), 1.0f, 0, 1, 0);
    EXPECT_EQ(text(shift.getSecondText(0)), u"-5 K");
    S8Provider signedInteger(&s8Point, w(u"Level"), w(u"%d"), 1.0f, 0, 0, 0);
    EXPECT_EQ(text(signedInteger.getSecondText(0)), u"-5"); // widened with its sign
}

TEST_F(ValueProvidersTest, HoursFlooredOnlyFromADataPoint)
{
    const uint32_t u32 = entryOf(DP_U32);
    U32Provider::DataPointType point(u32);
    struct Case
    {
        uint32_t seconds;
        uint8_t floor;
        const char16_t* shown;
    };
    const Case cases[] = {{7199, 1, u"1 h"}, {7200, 1, u"2 h"}, {5401, 0, u"2 h"}, {5399, 0, u"1 h"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        put(u32, c.seconds);
        U32Provider hours(&point, w(u"Hours"), w(u"%.0f h"), 3600.0f, 0, 0, c.floor);
        EXPECT_EQ(text(hours.getSecondText(0)), c.shown);
    }
    U8Provider fixed;
    fixed.setFixedValue(25, w(u"Fixed"), w(u"%.1f"), 10.0f, 0, 0, 1);
    EXPECT_EQ(text(fixed.getSecondText(0)), u"2.5");
}

TEST_F(ValueProvidersTest, TwoStatesByThreshold)
{
    const uint32_t u8 = entryOf(DP_U8);
    BiStateContentProvider<unsigned char, DP_U8>::DataPointType point(u8);
    BiStateContentProvider<unsigned char, DP_U8> fromThree(&point, w(u"Pump"), w(u"off"), w(u"on"), 3, 0);
    BiStateContentProvider<unsigned char, DP_U8> anyNonZero(&point, w(u"Pump"), w(u"off"), w(u"on"), 0, 0);
    struct Case
    {
        uint8_t value;
        const char16_t* fromThree;
        const char16_t* anyNonZero;
    };
    const Case cases[] = {{0, u"off", u"off"}, {1, u"off", u"on"}, {2, u"off", u"on"}, {3, u"on", u"on"},
                          {255, u"on", u"on"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        put(u8, c.value);
        EXPECT_EQ(text(fromThree.getSecondText(0)), c.fromThree);
        EXPECT_EQ(text(anyNonZero.getSecondText(0)), c.anyNonZero);
    }
}

TEST_F(ValueProvidersTest, DatesOfTheDevice)
{
    const uint32_t index = entryOf(DP_DATE_TIME);
    DateContentProvider::DataPointType point(index);
    DateContentProvider date(&point, w(u"Leaving date"), 0, 0);
    put(index, deviceDate(1970, 1, 1));
    EXPECT_EQ(text(date.getSecondText(0)), u"---");
    put(index, deviceDate(2016, 1, 3));
    EXPECT_EQ(text(date.getSecondText(0)), u"Su 03.01.2016");
    put(index, date_time{}); // all zero is a date of its own, not "unset"
    EXPECT_NE(text(date.getSecondText(0)), u"---");
    DateContentProvider other(nullptr, w(u"Other"), 7, 0);
    EXPECT_EQ(text(other.getSecondText(0)), u"29.03.1983");
    DateContentProvider unset(nullptr, w(u"Unset"), 0, 0);
    EXPECT_EQ(text(unset.getSecondText(0)), u""); // the cleared buffer
}

TEST_F(ValueProvidersTest, SimpleTexts)
{
    const quillon::WideChar* label = w(u"Heading");
    SimpleTextProvider heading(label, w(u""), 0);
    EXPECT_EQ(heading.getText(0), label);
    heading.setTexts(label, w(u"x"), 1);
    EXPECT_EQ(text(heading.getText(0)), u"● Heading");
    EXPECT_EQ(text(heading.getSecondText(0)), u"x");
}

// Names of 50 characters or more used to fill the buffer with no terminator.
TEST_F(ValueProvidersTest, CopiedTextsStayTerminated)
{
    const std::u16string sixty(60, u'N');
    FavouritesProvider favourite(w(sixty.c_str()), 1);
    EXPECT_EQ(text(favourite.getText()), sixty.substr(0, 49));
    EXPECT_EQ(favourite.isFavourite(), 1);
    favourite.set(nullptr, 0);
    EXPECT_EQ(text(favourite.getText()), u"");

    TextImageProvider image(w(sixty.c_str()), 81);
    EXPECT_EQ(text(image.getText()), sixty.substr(0, 49));
    EXPECT_EQ(image.getImage(), 81);
    std::u16string source = u"Boiler";
    image.setContent(w(source.c_str()), 80);
    source[0] = u'X'; // a copy: the source may change
    EXPECT_EQ(text(image.getText()), u"Boiler");
}
