#ifndef GUI_SCREENS_MAIN_MAINPRESENTER_HPP
#define GUI_SCREENS_MAIN_MAINPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/common/PageIndicatorDataProvider.hpp"

#include <stdint.h>

// The home screen's presenter: the shown heating circuit, what the screen shows of it read
// afresh at each call, and the two quick modes it writes.
class MainPresenter : public BasePresenter, public guicontrols::PageIndicatorDataProvider
{
public:
    static const uint8_t CIRCUIT_COUNT = 3;
    static const uint32_t DEVICE_LAN_MODULE = 8;
    static const uint32_t DEVICE_OUTSIDE_TEMPERATURE = 70;

    explicit MainPresenter(IView& view);
    ~MainPresenter() override {}

    void activate() override;
    void deactivate() override;
    // Takes both the device and the value report, so neither is seen twice.
    bool hasDataChanged() override;
    virtual bool isAvailable(uint8_t deviceFlag);
    uint8_t getPageIndex() override { return 0; }

    uint8_t getCircuit() const { return circuit; }
    // An index past the three circuits selects the first: the getters index per-circuit values.
    void setCircuit(uint8_t index);
    bool isCircuitPresent(uint8_t index);

    uint32_t getRoomSetpoint();
    int32_t getOutsideTemperature();
    int32_t getBoilerTemperature();
    bool isBoilerTemperatureValid();
    bool isExternalConnectionActive();
    bool isExternalProgramActive();
    bool isScreedDryingActive();
    bool isHolidayProgramActive();
    uint8_t getOperatingProgram();
    bool isComfortModeActive();
    void setComfortMode(uint8_t value);
    uint8_t getComfortTemperature();
    bool isEconomyModeActive();
    void setEconomyMode(uint8_t value);
    bool isReducedHeating();
    bool isNormalHeating();
    bool isFrostProtectionActive();
    bool isSolarActive();
    bool isBurnerOn();
    bool isConnectionStatePresent();
    uint8_t getConnectionState();
    uint8_t getLockLevel();
    bool isPopupAllowed();

private:
    model::ParameterGroups& groups() const;

    uint8_t circuit;
};

#endif
