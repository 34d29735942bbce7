#ifndef HELPERS_BOARDWRAPPERS_HPP
#define HELPERS_BOARDWRAPPERS_HPP

#include "helpers/DateTime.hpp"

#include <stdint.h>

// How the model and the screens reach the board: clock, backlight, buzzer and a few inputs.
// The clock wrappers also run on the device link task; none keeps state.
namespace helpers
{
// Passes the calendar fields of the value; the board's result.
bool writeRtc(const DateTime& value);
// False when the board read fails, the value then unchanged.
bool readRtc(DateTime& value);
// The board's signal that the shown clock should be refreshed.
bool hasClockChanged();
// 0: no error.
uint32_t getRtcErrorState();

bool setBacklight(uint8_t level);

// The settings pages of the board's EEPROM, with the board's own results (1: done).
void lockStorage();
void unlockStorage();
uint8_t readStoragePage(uint8_t page, void* destination, uint8_t length);
uint8_t writeStoragePage(uint8_t page, const void* source, uint8_t length);
uint8_t eraseStoragePage(uint8_t page);
// CRC-16/ARC as the board computes it for stored records.
uint16_t storageCrc16(const void* bytes, uint16_t count);
// The key beep.
bool beep();

uint32_t readMeasurement0();
uint32_t readMeasurement1();
uint32_t readMeasurement2();
uint32_t readMeasurement3();
uint32_t queryBoardStatus1();
uint32_t queryBoardStatus2();
uint32_t queryBoardStatus3();
void triggerBoardAction1();
void triggerBoardAction2();
} // namespace helpers

#endif
