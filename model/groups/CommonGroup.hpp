#ifndef MODEL_GROUPS_COMMONGROUP_HPP
#define MODEL_GROUPS_COMMONGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

#include <quillon/Texts.hpp>

namespace model
{
// The installation's status, language, sensor states and circuit names. Always watched:
// the model offers it every table change, and its accessors drive the service notice and
// several popups.
class CommonGroup : public ParameterGroup
{
public:
    // Every accessor on the status block reads it afresh, clearing its changed flag.
    // Bits 0..3 of byte 1 set: 0..4 (bit 4 is the lock, not a service flag).
    uint32_t getServiceCount() const;
    bool hasServiceNotice() const;
    bool hasFault() const;
    bool isWinkActive() const;
    bool isCombustionControllerLocked() const;

    // The device's language; NUMBER_OF_LANGUAGES (10) for a code the panel does not know.
    quillon::LanguageId getLanguage() const;
    // Writes the device's code of the language; an unknown language writes nothing.
    void setLanguage(quillon::LanguageId language);

    DataPoint<common_info, DP_COMMON_INFO> commonInfo{288, this, NO_ACTIONS};
    U8 languageCode{267, this, NO_ACTIONS};
    U8 popupState{345, this, NO_ACTIONS}; // tested for non-zero by the popup rules
    // Sensor status bytes: 0 valid, 6 not fitted.
    U8 boilerSensorStatus{9, this, NO_ACTIONS}; // not 0: the boiler temperature reads "---"
    U8 flueGasSensorStatus{12, this, NO_ACTIONS};
    U8 outsideSensorStatus{8, this, NO_ACTIONS};
    U8 outletSensorStatus{11, this, NO_ACTIONS};
    U8 supplySensorStatus{13, this, NO_ACTIONS};
    U8 supplyHc2SensorStatus{154, this, NO_ACTIONS};
    U8 supplyHc3SensorStatus{207, this, NO_ACTIONS};
    DataPoint<heating_circuit_name, DP_HEATING_CIRCUIT_NAME> hc1Name{275, this, NO_ACTIONS};
    DataPoint<heating_circuit_name, DP_HEATING_CIRCUIT_NAME> hc2Name{276, this, NO_ACTIONS};
    DataPoint<heating_circuit_name, DP_HEATING_CIRCUIT_NAME> hc3Name{277, this, NO_ACTIONS};
};
} // namespace model

#endif
