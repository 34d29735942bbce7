#include "model/time/TimeManager.hpp"

#include "helpers/BoardWrappers.hpp"
#include "model/DataModelManager.hpp"

namespace model
{
namespace
{
// Where the board clock restarts after an error at start-up.
const helpers::DateTime CLOCK_RESTART(2015, 1, 1, 0, 0, 0);

const TimeManager::Clock BOARD_CLOCK = {helpers::readRtc, helpers::writeRtc, helpers::getRtcErrorState,
                                        helpers::hasClockChanged};

uint32_t magnitude(int32_t difference)
{
    return difference < 0 ? 0u - static_cast<uint32_t>(difference) : static_cast<uint32_t>(difference);
}
} // namespace

const TimeManager::Clock& TimeManager::boardClock()
{
    return BOARD_CLOCK;
}

TimeManager::TimeManager()
    : timeAction(this),
      statusAction(this),
      lastWrittenTime(0),
      syncState(SYNC_WAITING),
      startDst(0),
      deviceTimeFast(0),
      timePoint(DEVICE_TIME_INDEX, this, &timeAction),
      timeSourcePoint(TIME_SOURCE_INDEX, this, &statusAction),
      dstPoint(SUMMER_TIME_INDEX, this, &statusAction),
      clock(BOARD_CLOCK)
{
}

void TimeManager::init()
{
    DefaultPropertyFilter::init();
    syncState = SYNC_WAITING;
    startDst = dstPoint.getValue();
}

helpers::DateTime TimeManager::getDateTime()
{
    helpers::DateTime now;
    if (!clock.read(now)) {
        return helpers::DateTime();
    }
    return now;
}

bool TimeManager::setDateTime(const helpers::DateTime& value)
{
    if (!clock.write(value)) {
        return false;
    }
    lastWrittenTime = value.getTimestamp();
    clock.write(value);
    syncState = SYNC_RUNNING;
    return timePoint.setValue(lastWrittenTime);
}

bool TimeManager::hasClockChanged()
{
    return clock.changed();
}

bool TimeManager::isClockValid()
{
    return clock.errorState() == 0;
}

void TimeManager::requestStatus()
{
    timeSourcePoint.refresh();
    dstPoint.refresh();
}

void TimeManager::reportClockReadFailure()
{
    DataPoint<unsigned char, DP_U8> failure(CLOCK_FAILURE_INDEX);
    failure.setValue(0);
}

void TimeManager::onStatusChanged()
{
    if (syncState == SYNC_WAITING) {
        startDst = dstPoint.getValue();
    }
    timePoint.refresh();
}

void TimeManager::synchronise()
{
    const uint32_t deviceSeconds = timePoint.getValue();
    const uint8_t summerTime = dstPoint.getValue();
    const uint8_t mode = timeSourcePoint.getValue();
    // Our own write read back; every write below sets lastWrittenTime first, so the change
    // it causes ends here too.
    if (deviceSeconds == lastWrittenTime) {
        return;
    }
    switch (syncState) {
    case SYNC_WAITING:
        sendStartUpTime();
        break;
    case SYNC_TIME_SENT:
        requestStatus();
        syncState = SYNC_SUMMER_TIME;
        break;
    case SYNC_SUMMER_TIME:
        correctSummerTime(summerTime);
        break;
    default:
        compareClocks(deviceSeconds, summerTime, mode);
        break;
    }
}

void TimeManager::sendStartUpTime()
{
    helpers::DateTime start = CLOCK_RESTART;
    if (clock.errorState() != 0) {
        clock.write(start);
        syncState = SYNC_RUNNING;
        return;
    }
    if (clock.read(start)) {
        lastWrittenTime = start.getTimestamp();
        timePoint.setValue(lastWrittenTime);
        SettingProperty<unsigned int>& initTime = DataModelManager::getInstance().getGroups().settings.initTime;
        if (initTime.get() < helpers::DateTime::EARLIEST) {
            initTime.set(lastWrittenTime);
        }
    }
    syncState = SYNC_TIME_SENT;
    requestStatus();
    pollDeviceTimeFast(true); // the device time every 5 s until the correction
}

void TimeManager::correctSummerTime(uint8_t summerTime)
{
    syncState = SYNC_RUNNING;
    helpers::DateTime now;
    // Without a reading there is nothing to correct: an hour moved from a default would put
    // a wrong date into both clocks.
    if (clock.read(now)) {
        bool corrected = false;
        if (startDst == 0 && summerTime == 1) {
            now.addSeconds(HOUR_SECONDS);
            corrected = true;
        } else if (startDst == 1 && summerTime == 0) {
            now.addSeconds(0u - HOUR_SECONDS);
            corrected = true;
        }
        if (corrected) {
            lastWrittenTime = now.getTimestamp();
            timePoint.setValue(lastWrittenTime);
            clock.write(now);
        }
    }
    pollDeviceTimeFast(false);
}

void TimeManager::pollDeviceTimeFast(bool fast)
{
    // Requests are counted per entry: a second one of ours would keep the entry fast for
    // good, a release without one would drop a screen's.
    if (fast == (deviceTimeFast != 0)) {
        return;
    }
    if (dptSetFastPolling(DEVICE_TIME_INDEX, fast ? 1 : 0) != 0) {
        deviceTimeFast = fast ? 1 : 0;
    }
}

void TimeManager::compareClocks(uint32_t deviceSeconds, uint8_t summerTime, uint8_t mode)
{
    const helpers::DateTime device(deviceSeconds);
    helpers::DateTime panel;
    if (!clock.read(panel)) {
        reportClockReadFailure();
        return;
    }
    const int32_t difference = device - panel; // positive: the device is ahead
    if (magnitude(difference) <= static_cast<uint32_t>(TOLERANCE_SECONDS)) {
        return;
    }
    helpers::DateTime leading = panel;
    switch (mode) {
    case 0:
    case 1:
        break; // the panel leads
    case 2:
        // A jump of about an hour in the direction of the summer-time flag is the device's
        // own change of hour; against it, the flag is asked again first.
        if (summerTime == 1 && difference > SUMMER_TIME_JUMP_SECONDS) {
            clock.write(device);
            leading = device;
        } else if (summerTime == 0 && difference > SUMMER_TIME_JUMP_SECONDS) {
            requestStatus();
            return;
        } else if (summerTime == 0 && difference < -SUMMER_TIME_JUMP_SECONDS) {
            clock.write(device);
            leading = device;
        } else if (summerTime == 1 && difference < -SUMMER_TIME_JUMP_SECONDS) {
            requestStatus();
            return;
        }
        break;
    default:
        clock.write(device); // the device leads
        leading = device;
        break;
    }
    writeToDevice(leading);
}

void TimeManager::writeToDevice(const helpers::DateTime& value)
{
    const uint32_t hour = value.getHour();
    const uint32_t minute = value.getMinute();
    if ((hour > 2 && minute > 4) || (hour <= 1 && minute <= 55)) {
        lastWrittenTime = value.getTimestamp();
        timePoint.setValue(lastWrittenTime);
    }
}
} // namespace model
