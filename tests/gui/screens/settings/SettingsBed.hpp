#ifndef TESTS_GUI_SCREENS_SETTINGS_SETTINGSBED_HPP
#define TESTS_GUI_SCREENS_SETTINGS_SETTINGSBED_HPP

#include "support/TextReading.hpp"
#include "support/screen/AppTestBed.hpp"

#include "gui/common/GenericView.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "guicontrols/CustomKeyboard.hpp"
#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"
#include "model/link/LinkFrame.hpp"
#include "model/settings/SettingsStorage.hpp"
#include "simulator/board/Board.hpp"

#include <quillon/Drawable.hpp>
#include <rtos/Queue.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace settings_test
{
// The panel's traffic with the device, in order.
struct DeviceWrite
{
    std::uint16_t address;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<DeviceWrite>& deviceWrites()
{
    static std::vector<DeviceWrite> log;
    return log;
}

inline std::vector<std::uint16_t>& deviceReads()
{
    static std::vector<std::uint16_t> log;
    return log;
}

// A panel clock of the test's own: it reads `now` and takes what is set unless told to
// refuse; each read may move it on, as time passes while a screen is open.
struct TestClock
{
    static helpers::DateTime& now()
    {
        static helpers::DateTime value;
        return value;
    }
    static std::vector<helpers::DateTime>& written()
    {
        static std::vector<helpers::DateTime> log;
        return log;
    }
    static bool& refuses()
    {
        static bool value = false;
        return value;
    }
    static const model::TimeManager::Clock& clock()
    {
        static const model::TimeManager::Clock testClock = {
            [](helpers::DateTime& value) {
                value = now();
                return true;
            },
            [](const helpers::DateTime& value) {
                if (refuses()) {
                    return false;
                }
                written().push_back(value);
                now() = value;
                return true;
            },
            []() -> std::uint32_t { return 0; },
            []() { return false; },
        };
        return testClock;
    }
};

// A settings EEPROM of the test's own that keeps its writes, unlike the board's, and logs
// which pages were written in which order.
struct KeptPages
{
    static std::vector<std::uint8_t>& written()
    {
        static std::vector<std::uint8_t> pages;
        return pages;
    }
    static std::uint8_t (&image())[BOARD_EEPROM_PAGES][BOARD_EEPROM_PAGE_SIZE]
    {
        static std::uint8_t bytes[BOARD_EEPROM_PAGES][BOARD_EEPROM_PAGE_SIZE];
        return bytes;
    }
    static const model::SettingsPages& pages()
    {
        static const model::SettingsPages logged = {
            [] {}, [] {},
            [](std::uint8_t page, void* destination, std::uint8_t length) -> std::uint8_t {
                std::memcpy(destination, image()[page], length);
                return 1;
            },
            [](std::uint8_t page, const void* source, std::uint8_t length) -> std::uint8_t {
                std::memcpy(image()[page], source, length);
                written().push_back(page);
                return 1;
            },
            [](std::uint8_t page) -> std::uint8_t {
                std::memset(image()[page], 0xFF, BOARD_EEPROM_PAGE_SIZE);
                return 1;
            },
        };
        return logged;
    }
};

inline std::u16string str(const quillon::WideChar* text)
{
    return text != nullptr ? quillon::test::text(text) : std::u16string(u"<null>");
}

// The real application on the headless display in English, with the device traffic, the
// function calls, the panel clock and the backlight observable. Settings start from their
// defaults (the board's EEPROM keeps no write) and the test's devices are put back.
class SettingsBed : public ::testing::Test
{
protected:
    static constexpr std::uint32_t DEVICE_FLAGS = 96;
    static constexpr std::uint16_t FACTORY_SETTINGS_ADDRESS = 0xA051;

    void SetUp() override
    {
        TestClock::now() = helpers::DateTime(2026, 3, 14, 10, 20, 30);
        TestClock::written().clear();
        TestClock::refuses() = false;
        for (std::uint32_t id = 0; id < DEVICE_FLAGS; ++id) {
            presentBefore.push_back(devices().isPresent(id));
        }
        observe();
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); // the stored language is German
    }

    // The program started again on the same settings store: a new application and model
    // init, the language the stored one.
    void restart()
    {
        app.~AppTestBed();
        new (&app) test::AppTestBed();
        observe();
    }

    void TearDown() override
    {
        takeCalls();
        linkSetTxQueue(nullptr);
        dptSetSenders(linkTableSenders());
        app.bed.model().getTimeManager().useClock(model::TimeManager::boardClock());
        for (std::uint32_t id = 0; id < DEVICE_FLAGS; ++id) {
            devices().setPresence(id, presentBefore[id]);
        }
    }

    model::DeviceManager& devices() { return app.bed.model().getDeviceManager(); }
    model::SettingsGroup& settings() { return app.bed.model().getGroups().settings; }

    // Exactly these devices; the change is taken so no screen sees it as new.
    void presentOnly(std::initializer_list<std::uint32_t> ids)
    {
        for (std::uint32_t id = 0; id < DEVICE_FLAGS; ++id) {
            devices().setAbsent(id);
        }
        for (std::uint32_t id : ids) {
            devices().setPresent(id);
        }
        devices().takeChanged();
    }

    // Function calls sent since the last look: address and data.
    std::vector<DeviceWrite> takeCalls()
    {
        std::vector<DeviceWrite> calls;
        DeviceFrame frame;
        while (rtosQueueReceive(txQueue, &frame, RTOS_NO_WAIT, 0) == RTOS_PASS) {
            if (linkClassify(frame, frame.used) == MSG_CALL_REQUEST) {
                const std::uint16_t address = linkFrameAddress(frame, frame.used);
                const std::uint32_t length = linkFrameLength(frame, frame.used);
                calls.push_back({address, std::vector<std::uint8_t>(frame.bytes + 5, frame.bytes + 5 + length)});
            }
        }
        return calls;
    }

    std::vector<DeviceWrite> writesTo(std::uint16_t address) const
    {
        std::vector<DeviceWrite> found;
        for (const DeviceWrite& write : deviceWrites()) {
            if (write.address == address) {
                found.push_back(write);
            }
        }
        return found;
    }

    // A user's touch on the middle of a drawable, then two frames.
    void tap(const quillon::Drawable& target)
    {
        const quillon::Rectangle r = target.getAbsoluteRect();
        app.bed.click(static_cast<std::int16_t>(r.x + r.width / 2), static_cast<std::int16_t>(r.y + r.height / 2));
        app.bed.ticks(2);
    }

    void tapBottomButton(std::uint8_t index) { tap(frame()->getBottomBar().getButton(index)); }

    GenericView* frame() { return dynamic_cast<GenericView*>(app.app.getCurrentScreen()); }
    std::uint16_t shownPage() { return app.app.getShownPageId(); }

    // The tile of the shown menu with this label, paged to until it lies wholly in view.
    void tapMenuItem(const std::u16string& label)
    {
        MenuView* menu = app.screen<MenuView>();
        ASSERT_NE(menu, nullptr) << "no menu shown";
        for (std::uint32_t i = 0; i < menu->getTileCount(); ++i) {
            if (str(menu->getTile(i).getText()) != label) {
                continue;
            }
            while (menu->getTile(i).getAbsoluteRect().right() > 800) {
                tapBottomButton(GenericView::SCROLL_ON_BUTTON);
            }
            tap(menu->getTile(i));
            return;
        }
        FAIL() << "no menu tile labelled as asked";
    }

    // The settings menu, as from the main menu.
    void openSettingsMenu()
    {
        app.open(app.pages().mainMenuPage);
        app.open(app.pages().settingsMenuPage);
        app.bed.ticks(1);
    }

    // Taps the keys of the letters as the keyboard shows them now.
    void type(const guicontrols::CustomKeyboard& keyboard, const std::u16string& letters)
    {
        for (char16_t letter : letters) {
            bool found = false;
            for (std::uint8_t i = 0; i < guicontrols::CustomKeyboard::CHARACTER_KEY_COUNT && !found; ++i) {
                if (keyboard.getCharacterKey(i).getCharacter() == letter) {
                    tap(keyboard.getCharacterKey(i));
                    found = true;
                }
            }
            ASSERT_TRUE(found) << "no key for a letter";
        }
    }
    // Backspace, at the keyboard's top right.
    void erase(const guicontrols::CustomKeyboard& keyboard, int count)
    {
        const quillon::Rectangle r = keyboard.getAbsoluteRect();
        for (int i = 0; i < count; ++i) {
            app.bed.click(static_cast<std::int16_t>(r.x + 724 + 35), static_cast<std::int16_t>(r.y + 20 + 35));
            app.bed.ticks(2);
        }
    }

    std::u16string title() { return str(frame()->getTopBar().getTitleField().getText()); }

    std::uint8_t backlight() const { return boardBacklightLevel(); }

    // What the feedback or confirm mode shows.
    std::u16string feedbackMessage() { return str(frame()->getFeedbackMode().getMessageField().getText()); }
    bool feedbackShown() { return frame() != nullptr && frame()->getViewMode() == &frame()->getFeedbackMode(); }

    test::AppTestBed app;
    rtosQueueHandle txQueue = nullptr;

private:
    void observe()
    {
        static rtosQueueHandle tx = rtosQueueCreate(70, sizeof(DeviceFrame), QUEUE_TYPE_BASE);
        txQueue = tx;
        linkSetTxQueue(txQueue);
        dptSetSenders(DptSenders{recordWrite, recordRead, recordRead});
        takeCalls();
        deviceWrites().clear();
        deviceReads().clear();
        app.bed.model().getTimeManager().useClock(TestClock::clock());
    }

    static int recordWrite(std::uint16_t address, const void* data, std::uint32_t n)
    {
        const std::uint8_t* bytes = static_cast<const std::uint8_t*>(data);
        deviceWrites().push_back({address, std::vector<std::uint8_t>(bytes, bytes + n)});
        return 1;
    }
    static int recordRead(std::uint16_t address)
    {
        deviceReads().push_back(address);
        return 1;
    }

    std::vector<bool> presentBefore;
};
} // namespace settings_test

#endif
