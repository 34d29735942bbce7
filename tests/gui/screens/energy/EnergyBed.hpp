#ifndef TESTS_GUI_SCREENS_ENERGY_ENERGYBED_HPP
#define TESTS_GUI_SCREENS_ENERGY_ENERGYBED_HPP

#include "gui/screens/menu/ScreenFixture.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "model/DataModelManager.hpp"

#include <cstdint>
#include <initializer_list>

namespace test
{
// Table indexes of the values the energy screens read.
const std::uint32_t SOLAR_INFO = 253;      // 0x6580
const std::uint32_t BOILER_INFO = 211;     // 0x5400
const std::uint32_t HOT_WATER_STATE = 240; // 0x650A
const std::uint32_t CHARGE_STATE = 661;    // 0xE097
const std::uint32_t CALCULATED = 654;      // 0xE05A
const std::uint32_t ZONE_0 = 662;          // 0xE098
const std::uint32_t ZONE_1 = 663;          // 0xE099
const std::uint32_t ZONE_2 = 664;          // 0xE09A
const std::uint32_t COMMON_INFO = 288;     // 0x7480
const std::uint32_t NOTE_CONFIRMED = 296;  // 0x74AA
const std::uint32_t OPERATING_SECONDS = 27;
const std::uint32_t ACTUAL_POWER = 292;

// The application with the devices the test names, the home screen at the root and the road
// a user takes into the energy screens.
class EnergyBed : public screens::ScreenFixture
{
public:
    void fromHome(pagemanager::Page& page, std::initializer_list<std::uint32_t> flags)
    {
        presentOnly(flags);
        app.open(app.pages().mainPage, true);
        app.open(page);
        app.bed.ticks(1);
    }
    pagemanager::Page* current() { return app.pageManager().getCurrentPage(); }
    Pages& pages() { return app.pages(); }

    // A record of the table changed in some bytes, sent back as the device's answer.
    template <typename Record>
    void sendRecord(std::uint32_t index, std::initializer_list<std::pair<std::uint32_t, std::uint8_t>> bytes)
    {
        Record record = model::DataPoint<Record, dptTypeOf<Record>()>(index).getValue();
        for (const auto& b : bytes) {
            record.bytes[b.first] = b.second;
        }
        app.bed.deviceSends(index, record);
    }
    void sendTenths(std::uint32_t index, std::uint32_t offset, std::int16_t tenths, std::uint8_t flag)
    {
        const auto low = static_cast<std::uint8_t>(tenths & 0xFF);
        const auto high = static_cast<std::uint8_t>((tenths >> 8) & 0xFF);
        if (index == SOLAR_INFO) {
            sendRecord<solar_info>(index, {{offset, low}, {offset + 1, high}, {offset + 2, flag}});
        } else {
            sendRecord<common_info>(index, {{offset, low}, {offset + 1, high}, {offset + 2, flag}});
        }
    }

    template <typename Record>
    static constexpr dp_type dptTypeOf()
    {
        return std::is_same<Record, solar_info>::value ? DP_SOLAR_INFO
               : std::is_same<Record, boiler_info>::value ? DP_BOILER_INFO
                                                          : DP_COMMON_INFO;
    }
};
} // namespace test

#endif
