#include "simulator/board/Board.hpp"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace
{
std::uint8_t boardEeprom[BOARD_EEPROM_PAGES][BOARD_EEPROM_PAGE_SIZE];
std::uint8_t boardStorageBusy = 0;
std::int32_t clockChangeCounter = 0;
std::uint8_t backlightLevel = 0;
constexpr std::int32_t CLOCK_CHANGE_CALLS = 1001;
// Written before any reader runs: a test holds the clock before its GUI does.
std::atomic<bool> clockHeld{false};
std::tm heldTime{};
} // namespace

void boardPeriodicHook() {}
void boardStartupHook1() {}
void boardStartupHook2() {}
void boardStartupHook3() {}
void boardStartupHook4() {}
void boardGuiStartedHook() {}

int boardReadClock(std::uint16_t* year, std::uint8_t* month, std::uint8_t* day, std::uint8_t* hour,
                   std::uint8_t* minute, std::uint8_t* second)
{
    std::tm local{};
    if (clockHeld.load()) {
        local = heldTime;
    } else {
        const std::time_t now = std::time(nullptr);
        localtime_r(&now, &local);
    }
    *year = static_cast<std::uint16_t>(local.tm_year + 1900);
    *month = static_cast<std::uint8_t>(local.tm_mon + 1);
    *day = static_cast<std::uint8_t>(local.tm_mday);
    *hour = static_cast<std::uint8_t>(local.tm_hour);
    *minute = static_cast<std::uint8_t>(local.tm_min);
    *second = static_cast<std::uint8_t>(local.tm_sec);
    return 1;
}

int boardSetClock(std::uint16_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t)
{
    return 1; // the host clock stays as it is
}

bool boardClockChanged()
{
    if (clockHeld.load()) {
        return false;
    }
    const std::int32_t before = clockChangeCounter++;
    if (before >= CLOCK_CHANGE_CALLS) {
        clockChangeCounter = 0;
        return true;
    }
    return false;
}

void boardHoldClock(std::uint16_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                    std::uint8_t minute, std::uint8_t second)
{
    heldTime = std::tm{};
    heldTime.tm_year = year - 1900;
    heldTime.tm_mon = month - 1;
    heldTime.tm_mday = day;
    heldTime.tm_hour = hour;
    heldTime.tm_min = minute;
    heldTime.tm_sec = second;
    clockHeld.store(true);
}

void boardReleaseClock()
{
    clockHeld.store(false);
}

int boardClockError()
{
    return 0;
}

void boardStorageLock()
{
    boardStorageBusy = 1;
}

void boardStorageUnlock()
{
    boardStorageBusy = 0;
}

std::uint8_t boardStorageReadPage(std::uint8_t page, void* destination, std::uint8_t length)
{
    if (page >= BOARD_EEPROM_PAGES || length > BOARD_EEPROM_PAGE_SIZE) {
        return 0;
    }
    std::memcpy(destination, boardEeprom[page], length);
    return boardStorageBusy;
}

std::uint8_t boardStorageWritePage(std::uint8_t, const void*, std::uint8_t)
{
    return boardStorageBusy; // the image keeps no write, so every start reads zeros
}

std::uint8_t boardStorageErasePage(std::uint8_t page)
{
    std::uint8_t erased[BOARD_EEPROM_PAGE_SIZE];
    std::memset(erased, 0xFF, sizeof(erased));
    return boardStorageWritePage(page, erased, sizeof(erased));
}

int boardSetBacklight(std::uint8_t level)
{
    backlightLevel = level;
    return 1;
}

std::uint8_t boardBacklightLevel()
{
    return backlightLevel;
}

void boardBuzzerSetTone(std::uint32_t, std::uint8_t) {}

int boardBuzzerSetParameter(std::uint16_t)
{
    return 1;
}

int boardBuzzerBeep()
{
    std::fputc('\a', stdout);
    std::fflush(stdout);
    return 1;
}

std::uint16_t boardReadMeasuredValue(std::uint8_t)
{
    return BOARD_MEASURED_VALUE;
}

std::uint16_t* boardGetFrameBuffer()
{
    return nullptr;
}

int boardQuery1()
{
    return 1;
}

int boardQuery2()
{
    return 0;
}

int boardQuery3()
{
    return 0;
}

void boardAction1() {}
void boardAction2() {}

void boardSerialInit() {}
void boardSerialSetReceiveHandler(BoardSerialReceiveHandler) {}
void boardSerialSend(std::uint8_t) {}
void boardSerialClose() {}
void boardAfterTestEnd() {}
