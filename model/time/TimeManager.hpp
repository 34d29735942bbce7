#ifndef MODEL_TIME_TIMEMANAGER_HPP
#define MODEL_TIME_TIMEMANAGER_HPP

#include "helpers/DateTime.hpp"
#include "model/DataPoint.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"

#include <stdint.h>

namespace model
{
// Keeps the panel clock and the device clock in step: at start-up the panel's time goes to
// the device, the summer-time flag seen at the end of the start-up corrects the panel clock
// by an hour, and afterwards every reading of the device time compares the two clocks and
// the device's time-source mode decides which leads. Also the screens' way to read and set
// the date and time.
class TimeManager : public DefaultPropertyFilter
{
public:
    // Table entries of the device clock.
    static constexpr uint32_t DEVICE_TIME_INDEX = 30;      // seconds since 1970
    static constexpr uint32_t TIME_SOURCE_INDEX = 31;      // who leads
    static constexpr uint32_t CLOCK_FAILURE_INDEX = 32;    // written 0 when the clock cannot be read
    static constexpr uint32_t SUMMER_TIME_INDEX = 33;      // 0 or 1
    // Below this a difference between the clocks is ignored.
    static constexpr int32_t TOLERANCE_SECONDS = 15;
    // Above this in time-source mode 2 it is a summer-time hour, not a drift.
    static constexpr int32_t SUMMER_TIME_JUMP_SECONDS = 3500;
    static constexpr uint32_t HOUR_SECONDS = 3600;

    enum SyncState : uint32_t
    {
        SYNC_WAITING = 0,      // for the first device time after start-up
        SYNC_TIME_SENT = 1,    // the panel's time went out, status requested
        SYNC_SUMMER_TIME = 2,  // the next device time evaluates the summer-time flag
        SYNC_RUNNING = 3,      // normal operation; never left
    };

    // The board clock as the manager reaches it; tests hand in a clock of their own.
    struct Clock
    {
        bool (*read)(helpers::DateTime& value); // false: value unchanged
        bool (*write)(const helpers::DateTime& value);
        uint32_t (*errorState)(); // 0: no error
        bool (*changed)();
    };
    static const Clock& boardClock();
    void useClock(const Clock& newClock) { clock = newClock; }

    class DpChangeTimeAction : public BaseDataPoint::IActions
    {
    public:
        explicit DpChangeTimeAction(TimeManager* owner) : owner(owner) {}
        void onChanged() override { owner->synchronise(); }

    private:
        TimeManager* owner;
    };

    class DpChangeStatusAction : public BaseDataPoint::IActions
    {
    public:
        explicit DpChangeStatusAction(TimeManager* owner) : owner(owner) {}
        void onChanged() override { owner->onStatusChanged(); }

    private:
        TimeManager* owner;
    };

    TimeManager();
    TimeManager(const TimeManager&) = delete;
    TimeManager& operator=(const TimeManager&) = delete;
    ~TimeManager() override {}

    // Start-up, after the device manager's.
    void init();

    // The board clock, or 2014-01-01 00:00:00 when it cannot be read.
    helpers::DateTime getDateTime();
    // The user's date and time to both clocks. False when the board clock refused it
    // (nothing changed), or when the device write could not be queued (the panel clock is
    // set then).
    bool setDateTime(const helpers::DateTime& value);
    bool hasClockChanged();
    bool isClockValid();
    // Reads the time-source mode and the summer-time flag now.
    void requestStatus();
    void reportClockReadFailure();

    uint32_t getSyncState() const { return syncState; }
    uint32_t getLastWrittenTime() const { return lastWrittenTime; }

private:
    // One synchronisation step per reading of the device time.
    void synchronise();
    void onStatusChanged();
    void sendStartUpTime();
    void correctSummerTime(uint8_t summerTime);
    void compareClocks(uint32_t deviceSeconds, uint8_t summerTime, uint8_t mode);
    // Inside the write window only: not around the device's own hour changes.
    void writeToDevice(const helpers::DateTime& value);
    // Takes or gives back the manager's one fast-polling request for the device time.
    void pollDeviceTimeFast(bool fast);

    DpChangeTimeAction timeAction;
    DpChangeStatusAction statusAction;
    uint32_t lastWrittenTime;
    uint32_t syncState;
    uint8_t startDst;
    uint8_t deviceTimeFast; // our request on the device time is held
    DataPoint<unsigned int, DP_U32> timePoint;
    DataPoint<unsigned char, DP_U8> timeSourcePoint;
    DataPoint<unsigned char, DP_U8> dstPoint;
    Clock clock;
};
} // namespace model

#endif
