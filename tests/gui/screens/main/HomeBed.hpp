#ifndef TESTS_GUI_SCREENS_MAIN_HOMEBED_HPP
#define TESTS_GUI_SCREENS_MAIN_HOMEBED_HPP

#include "gui/pagemanager/Params.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/screens/main/MainView.hpp"
#include "support/screen/AppTestBed.hpp"

#include <quillon/LanguageTable.hpp>

#include <cstdint>

namespace test
{
// The home screen in the real application, entered at the root as the start-up page does.
// The heating values of circuit 1 start quiet (no status flag, no comfort or economy mode)
// unless a test asks for the seeded ones.
class HomeBed
{
public:
    // Screen coordinates of the home screen's controls.
    static constexpr int16_t PROGRAM_X = 70, PROGRAM_Y = 137;
    static constexpr int16_t COMFORT_X = 70, COMFORT_Y = 237;
    static constexpr int16_t ECONOMY_X = 70, ECONOMY_Y = 337;
    static constexpr int16_t PLUS_X = 730, PLUS_Y = 192;
    static constexpr int16_t MINUS_X = 730, MINUS_Y = 292;
    static constexpr int16_t BAR_Y = 445;
    static constexpr int16_t HELP_X = 2 * 134 + 67, LEFT_ARROW_X = 4 * 134 + 67, RIGHT_ARROW_X = 5 * 134 + 65;

    // Table indexes of circuit 1 and of the common values.
    static constexpr std::uint32_t BOILER_TEMPERATURE = 7, BOILER_STATUS = 9, ROOM_SETPOINT = 76;
    static constexpr std::uint32_t OPERATING_PROGRAM = 82, COMFORT = 83, ECONOMY = 84, CIRCUIT_INFO = 85;
    static constexpr std::uint32_t HEATING_INFO = 87, HOLIDAY = 89, SCREED = 98, COMMON_INFO = 288;
    static constexpr std::uint32_t LOCK_LEVEL = 339, TEST_OPERATION = 311;

    explicit HomeBed(bool quiet = true)
    {
        if (quiet) {
            send(CIRCUIT_INFO, hc_info{});
            send(HOLIDAY, std::uint8_t{0});
            send(SCREED, std::uint8_t{0});
            send(COMFORT, std::uint8_t{0});
            send(ECONOMY, std::uint8_t{0});
            send(LOCK_LEVEL, std::uint8_t{0});
        }
        app.app.setLanguage(quillon::LANGUAGE_ENGLISH, false);
        app.open(app.pages().mainPage, true);
        app.bed.ticks(1);
    }

    // The home screen built again, after a visit to the menu; PAGE_MAIN keeps its parameters.
    void reenter()
    {
        app.open(app.pages().mainMenuPage);
        app.pageManager().back();
        app.bed.ticks(2);
    }

    template <typename T>
    void send(std::uint32_t index, const T& value)
    {
        app.bed.deviceSends(index, value);
    }
    void sendCommonInfo(int16_t outsideTenths, std::uint8_t connection, std::uint8_t wink = 0)
    {
        common_info info = app.bed.model().getGroups().common.commonInfo.getValue();
        info.bytes[2] = static_cast<std::uint8_t>((info.bytes[2] & ~1u) | wink);
        info.bytes[3] = connection;
        info.bytes[4] = static_cast<std::uint8_t>(outsideTenths & 0xFF);
        info.bytes[5] = static_cast<std::uint8_t>((outsideTenths >> 8) & 0xFF);
        send(COMMON_INFO, info);
    }
    void device(std::uint32_t flag, bool present) { app.bed.model().getDeviceManager().setPresence(flag, present); }

    MainView* view() { return app.screen<MainView>(); }
    MainPresenter& presenter() { return *static_cast<MainPresenter*>(app.app.getCurrentPresenter()); }
    model::ParameterGroups& groups() { return app.bed.model().getGroups(); }
    pagemanager::Page* current() { return app.pageManager().getCurrentPage(); }
    void click(int16_t x, int16_t y)
    {
        app.bed.click(x, y);
        app.bed.ticks(1);
    }
    void ticks(std::uint32_t count) { app.bed.ticks(count); }
    bool panelLockedRaised() { return app.app.getPopupSystem().getManager().isActive(POPUP_PANEL_LOCKED); }

    AppTestBed app;
};
} // namespace test

#endif
