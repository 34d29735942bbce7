#include "helpers/BoardWrappers.hpp"

#include "simulator/board/Board.hpp"

namespace helpers
{
bool writeRtc(const DateTime& value)
{
    return boardSetClock(static_cast<uint16_t>(value.getYear()), static_cast<uint8_t>(value.getMonth()),
                         static_cast<uint8_t>(value.getDay()), static_cast<uint8_t>(value.getHour()),
                         static_cast<uint8_t>(value.getMinute()), static_cast<uint8_t>(value.getSecond())) != 0;
}

bool readRtc(DateTime& value)
{
    uint16_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    if (boardReadClock(&year, &month, &day, &hour, &minute, &second) == 0) {
        return false;
    }
    value = DateTime(year, month, day, hour, minute, second);
    return true;
}

bool hasClockChanged()
{
    return boardClockChanged();
}

uint32_t getRtcErrorState()
{
    return static_cast<uint32_t>(boardClockError());
}

bool setBacklight(uint8_t level)
{
    return boardSetBacklight(level) != 0;
}

bool beep()
{
    return boardBuzzerBeep() != 0;
}

uint32_t readMeasurement0()
{
    return boardReadMeasuredValue(0);
}

uint32_t readMeasurement1()
{
    return boardReadMeasuredValue(1);
}

uint32_t readMeasurement2()
{
    return boardReadMeasuredValue(2);
}

uint32_t readMeasurement3()
{
    return boardReadMeasuredValue(3);
}

uint32_t queryBoardStatus1()
{
    return static_cast<uint32_t>(boardQuery1());
}

uint32_t queryBoardStatus2()
{
    return static_cast<uint32_t>(boardQuery2());
}

uint32_t queryBoardStatus3()
{
    return static_cast<uint32_t>(boardQuery3());
}

void triggerBoardAction1()
{
    boardAction1();
}

void triggerBoardAction2()
{
    boardAction2();
}
void lockStorage()
{
    boardStorageLock();
}

void unlockStorage()
{
    boardStorageUnlock();
}

uint8_t readStoragePage(uint8_t page, void* destination, uint8_t length)
{
    return boardStorageReadPage(page, destination, length);
}

uint8_t writeStoragePage(uint8_t page, const void* source, uint8_t length)
{
    return boardStorageWritePage(page, source, length);
}

uint8_t eraseStoragePage(uint8_t page)
{
    return boardStorageErasePage(page);
}

uint16_t storageCrc16(const void* bytes, uint16_t count)
{
    return boardCrc16(bytes, count);
}
} // namespace helpers
