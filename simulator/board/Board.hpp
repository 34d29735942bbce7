#ifndef SIMULATOR_BOARD_BOARD_HPP
#define SIMULATOR_BOARD_BOARD_HPP

#include <cstdint>

// The panel's hardware as the desktop build has it: host clock, an EEPROM image that
// keeps no write, a console bell for the buzzer; everything else is constant or empty.
// Free functions over static data, callable from any task; none blocks.

constexpr std::uint8_t BOARD_EEPROM_PAGES = 60;
constexpr std::uint8_t BOARD_EEPROM_PAGE_SIZE = 64;
constexpr std::uint16_t BOARD_MEASURED_VALUE = 25000;

// Start-up and idle hooks: nothing to do on the host.
void boardPeriodicHook();
void boardStartupHook1();
void boardStartupHook2();
void boardStartupHook3();
void boardStartupHook4();
void boardGuiStartedHook();

// Clock: reads the host's local time; setting it stores nothing. Both return 1.
int boardReadClock(std::uint16_t* year, std::uint8_t* month, std::uint8_t* day, std::uint8_t* hour,
                   std::uint8_t* minute, std::uint8_t* second);
int boardSetClock(std::uint16_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                  std::uint8_t minute, std::uint8_t second);
// True on every 1002nd call.
bool boardClockChanged();
// Headless pictures hold the clock still: while held, it reads the given time, never
// reports a change, and a setting stores nothing. The program never holds it.
void boardHoldClock(std::uint16_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                    std::uint8_t minute, std::uint8_t second);
void boardReleaseClock();
int boardClockError();

// Settings EEPROM: 60 pages of 64 bytes, all zero. Reads and writes succeed only while
// the store is locked; writes are not kept.
void boardStorageLock();
void boardStorageUnlock();
std::uint8_t boardStorageReadPage(std::uint8_t page, void* destination, std::uint8_t length);
std::uint8_t boardStorageWritePage(std::uint8_t page, const void* source, std::uint8_t length);
std::uint8_t boardStorageErasePage(std::uint8_t page);

int boardSetBacklight(std::uint8_t level);
// The level last set; the host has no lamp, so tests read it here.
std::uint8_t boardBacklightLevel();
void boardBuzzerSetTone(std::uint32_t frequency, std::uint8_t volume);
int boardBuzzerSetParameter(std::uint16_t parameter);
int boardBuzzerBeep(); // rings the console bell

std::uint16_t boardReadMeasuredValue(std::uint8_t channel);
std::uint16_t* boardGetFrameBuffer(); // none on the host
int boardQuery1();
int boardQuery2();
int boardQuery3();
void boardAction1();
void boardAction2();

// Production-test serial line: silent on the host.
using BoardSerialReceiveHandler = void (*)(std::uint8_t byte);
void boardSerialInit();
void boardSerialSetReceiveHandler(BoardSerialReceiveHandler handler);
void boardSerialSend(std::uint8_t byte);
void boardSerialClose();
void boardAfterTestEnd();

// Checksums: CRC-16/ARC (settings store), CRC-32 and an 8-bit sum.
std::uint16_t boardCrc16(const void* bytes, std::uint16_t count);
std::uint32_t boardCrc32(const void* bytes, std::uint16_t count);
std::uint8_t boardChecksum8(const void* bytes, std::uint16_t count);

#endif
