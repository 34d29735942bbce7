#ifndef GUI_SCREENS_SERVICE_LANCARDRESCUEUPDATEPRESENTER_HPP
#define GUI_SCREENS_SERVICE_LANCARDRESCUEUPDATEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "model/groups/LanGroup.hpp"

// The LAN module's own firmware update: the panel starts it, follows the module's update
// state (0 idle, 254 up to date, 255 failed, else running) and compares the firmware
// version with the one found on entry.
class LanCardRescueUpdatePresenter : public BasePresenter
{
public:
    static constexpr uint8_t IDLE = 0;
    static constexpr uint8_t START = 1;
    static constexpr uint8_t UP_TO_DATE = 254;
    static constexpr uint8_t FAILED = 255;

    explicit LanCardRescueUpdatePresenter(IView& view) : BasePresenter(view), versionAtEntry(0) {}

    void activate() override;
    void deactivate() override { unwatch(); }
    bool hasDataChanged() override { return filterChanged(); }

    void startUpdate() { lan().rescueUpdate.setValue(START); }
    void resetUpdate() { lan().rescueUpdate.setValue(IDLE); }
    // Ahead of the waiting reads: the update state, then the version.
    void requestStatus()
    {
        lan().rescueUpdate.request();
        lan().firmwareVersion.request();
    }
    bool isIdle() { return lan().rescueUpdate.getValue() == IDLE; }
    bool hasFailed() { return lan().rescueUpdate.getValue() == FAILED; }
    bool isUpToDate() { return lan().rescueUpdate.getValue() == UP_TO_DATE; }
    bool isFirmwareChanged() { return lan().firmwareVersion.getValue() != versionAtEntry; }

private:
    model::LanGroup& lan() { return getModel()->getGroups().lan; }

    uint32_t versionAtEntry;
};

#endif
