#include "ProviderFixture.hpp"

#include "guicontrols/BoilerInfoProvider.hpp"
#include "guicontrols/CommonInfoProvider.hpp"
#include "guicontrols/CylinderMinMaxProvider.hpp"
#include "guicontrols/CylinderTempProvider.hpp"
#include "guicontrols/HCInfoProvider.hpp"
#include "guicontrols/SolarDataProvider.hpp"
#include "model/DataModelManager.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
void putI16(uint8_t* bytes, int16_t value)
{
    bytes[0] = static_cast<uint8_t>(value & 0xFF);
    bytes[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

void putU32(uint8_t* bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

class StructureProvidersTest : public ProviderTest
{
protected:
    void TearDown() override
    {
        model::DataModelManager::getInstance().getDeviceManager().setAbsent(60);
        ProviderTest::TearDown();
    }
};
} // namespace

TEST_F(StructureProvidersTest, TemperaturesRoundHalvesAwayFromZeroAndHonourTheStatus)
{
    struct Case
    {
        int16_t tenths;
        uint8_t status;
        const char16_t* shown;
    };
    const Case cases[] = {{215, 0, u"22°C"}, {214, 0, u"21°C"}, {-5, 0, u"-1°C"},
                          {-4, 0, u"0°C"},   {-25, 0, u"-3°C"}, {215, 1, u"---"}};
    const uint32_t index = entryOf(DP_HC_INFO);
    HCInfoProvider::DataPointType dataPoint(index);
    HCInfoProvider provider(&dataPoint, w(u"Supply"), 0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        hc_info record = {};
        putI16(record.bytes + 4, c.tenths);
        record.bytes[6] = c.status;
        put(index, record);
        EXPECT_EQ(text(provider.getSecondText(0)), c.shown);
    }
}

TEST_F(StructureProvidersTest, Formatters)
{
    HCInfoProvider provider;
    EXPECT_EQ(text(provider.formatNumber(255, 5, 0)), u"FF");
    EXPECT_EQ(text(provider.formatNumber(4294967295u, 0, 0)), u"-1");
    EXPECT_EQ(text(provider.formatNumber(12, 1, 0)), u"12 kWh");
    EXPECT_EQ(text(provider.formatNumber(12, 1, 3)), u"---");
    // Two percent characters in the text: the text drawing shows one.
    EXPECT_EQ(text(provider.formatPercent(91)), u"45.5 %%");
    EXPECT_EQ(text(provider.formatPercent(0)), u"0.0 %%");
    EXPECT_EQ(text(provider.formatPercent(200)), u"100.0 %%");
    const char16_t* valves[] = {u"OPEN", u"CLOSE", u"Neutral", u"---", u""};
    for (uint32_t state = 0; state < 5; ++state) {
        SCOPED_TRACE(state);
        EXPECT_EQ(text(provider.formatValvePosition(state)), valves[state]);
    }
    EXPECT_EQ(text(provider.formatHeatingMode(4)), u"---");
    EXPECT_EQ(text(provider.formatHeatingMode(0)), u"Standby mode");
    EXPECT_EQ(text(provider.formatDateTime(0)), u"01.01.1970 00:00");
    EXPECT_EQ(text(provider.formatPower(-7)), u"-7 kW");
}

TEST_F(StructureProvidersTest, CylinderExtremesCountTheFifthSensorOnlyWhenPresent)
{
    const uint32_t index = entryOf(DP_CYLINDER_MIN_MAX);
    cylinder_min_max record = {};
    const int16_t temperatures[5] = {450, 430, 470, 420, 400};
    for (int i = 0; i < 5; ++i) {
        putI16(record.bytes + 6 + 2 * i, temperatures[i]);
    }
    put(index, record);
    CylinderMinMaxProvider::DataPointType dataPoint(index);
    CylinderMinMaxProvider lowest(&dataPoint, w(u"Min"), 11, 0);
    CylinderMinMaxProvider highest(&dataPoint, w(u"Max"), 12, 0);
    EXPECT_EQ(text(lowest.getSecondText(0)), u"42°C");
    EXPECT_EQ(text(highest.getSecondText(0)), u"47°C");
    model::DataModelManager::getInstance().getDeviceManager().setPresent(60);
    EXPECT_EQ(text(lowest.getSecondText(0)), u"40°C");
    EXPECT_EQ(text(highest.getSecondText(0)), u"47°C");
}

TEST_F(StructureProvidersTest, SolarHoursRoundAndUnknownKindsGiveTheEmptyText)
{
    const uint32_t index = entryOf(DP_SOLAR_INFO);
    SolarDataProvider::DataPointType dataPoint(index);
    SolarDataProvider provider(&dataPoint, w(u"Stagnation"), 9, 0);
    struct Case
    {
        uint32_t seconds;
        const char16_t* shown;
    };
    const Case cases[] = {{1799, u"0 h"}, {1800, u"1 h"}, {5399, u"1 h"}, {5400, u"2 h"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        solar_info record = {};
        putU32(record.bytes + 28, c.seconds);
        put(index, record);
        EXPECT_EQ(text(provider.getSecondText(0)), c.shown);
    }
    // A kind without a field right after a formatted value: nothing stale shows.
    provider.set(&dataPoint, w(u"Stagnation"), 100, 0);
    EXPECT_EQ(text(provider.getSecondText(0)), u"");
}

TEST_F(StructureProvidersTest, CommonSlotsAndBits)
{
    const uint32_t index = entryOf(DP_COMMON_INFO);
    common_info record = {};
    putI16(record.bytes + 4 + 3 * 6, 1234); // slot 6
    record.bytes[0] = 0x04;
    record.bytes[2] = 0x80; // valve state 2
    record.bytes[28] = 0xAB;
    put(index, record);
    CommonInfoProvider::DataPointType dataPoint(index);
    struct Case
    {
        uint32_t kind;
        const char16_t* shown;
    };
    const Case cases[] = {{6, u"123°C"}, {13, u"ON"}, {27, u"OFF"}, {29, u"Neutral"}, {8, u"AB"}, {11, u""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        CommonInfoProvider provider(&dataPoint, w(u"Label"), c.kind, 0);
        EXPECT_EQ(text(provider.getSecondText(0)), c.shown);
    }
}

TEST_F(StructureProvidersTest, CylinderSensorLayoutsAndTheBullet)
{
    const uint32_t index = entryOf(DP_TEMPERATURE_11);
    temperature_11 record = {};
    for (int16_t element = 0; element < 11; ++element) {
        putI16(record.bytes + 2 * element, static_cast<int16_t>(100 * element));
    }
    put(index, record);
    CylinderTempProvider::DataPointType dataPoint(index);
    CylinderTempProvider five(&dataPoint, w(u"T3:"), 2, 1, 1);
    EXPECT_EQ(text(five.getSecondText(0)), u"40°C"); // element 4
    CylinderTempProvider four(&dataPoint, w(u"T5:"), 4, 0, 0);
    EXPECT_EQ(text(four.getSecondText(0)), u"");
    EXPECT_EQ(text(five.getText(0)), u"● T3:");
    const quillon::WideChar* label = w(u"T5:");
    four.set(&dataPoint, label, 4, 0, 0);
    EXPECT_EQ(four.getText(0), label); // the label itself
}

TEST_F(StructureProvidersTest, BoilerActualTemperatureFollowsTheSensorFault)
{
    const uint32_t index = entryOf(DP_BOILER_INFO);
    boiler_info record = {};
    putI16(record.bytes + 6, 605);
    record.bytes[0] = 0x10;
    put(index, record);
    BoilerInfoProvider::DataPointType dataPoint(index);
    BoilerInfoProvider actual(&dataPoint, w(u"Actual"), 3, 0);
    BoilerInfoProvider burner(&dataPoint, w(u"Burner"), 9, 0);
    EXPECT_EQ(text(actual.getSecondText(0)), u"61°C");
    EXPECT_EQ(text(burner.getSecondText(0)), u"ON");
    put(9, static_cast<uint8_t>(1));
    EXPECT_EQ(text(actual.getSecondText(0)), u"---");
}
