#ifndef MODEL_GROUPS_HCGROUP_HPP
#define MODEL_GROUPS_HCGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// The heating circuits' lists and commissioning steps: one element per circuit.
class HCGroup : public ParameterGroup
{
public:
    PerCircuit<hc_info, DP_HC_INFO> hcInfo{this, 85, 138, 191};
    PerCircuit<unsigned char, DP_U8> screedDrying{this, 98, 151, 204};
    PerCircuit<unsigned char, DP_U8> externalHookUp{this, 91, 144, 197};
    PerCircuit<unsigned char, DP_U8> holidayState{this, 89, 142, 195}; // bit 0: holiday program
    PerCircuit<unsigned char, DP_U8> operatingProgram{this, 82, 135, 188};
    PerCircuit<unsigned char, DP_U8> comfortMode{this, 75, 128, 181};
    PerCircuit<unsigned char, DP_U8> economyMode{this, 74, 127, 180};
    PerCircuit<heating_info, DP_HEATING_INFO> heatingInfo{this, 87, 140, 193};
    PerCircuit<unsigned char, DP_U8> roomSetpoint{this, 76, 129, 182}; // whole degrees
    // The table entries are of type 8; the float read is the same.
    PerCircuit<float, DP_SCALED_U16> circuitTemperature{this, 21, 22, 23};
    PerCircuit<unsigned char, DP_U8> reducedRoomSetpoint{this, 77, 130, 183};
    PerCircuit<unsigned char, DP_U8> externalRoomSetpoint{this, 81, 134, 187};
    PerCircuit<unsigned char, DP_U8> comfortTemperature{this, 78, 131, 184};
    PerCircuit<float, DP_SCALED_U8> curveSlope{this, 95, 148, 201};
    PerCircuit<signed char, DP_S8> curveLevel{this, 96, 149, 202};
    PerCircuit<date_time, DP_DATE_TIME> holidayStart{this, 79, 132, 185};
    PerCircuit<date_time, DP_DATE_TIME> holidayEnd{this, 80, 133, 186};
    PerCircuit<unsigned char, DP_U8> minimumSupplyTemperature{this, 93, 146, 199};
    PerCircuit<unsigned char, DP_U8> maximumSupplyTemperature{this, 94, 147, 200};
    PerCircuit<unsigned char, DP_U8> circuitType{this, 86, 139, 192};
    PerCircuit<unsigned char, DP_U8> roomTemperatureLines{this, 92, 145, 198};
    PerCircuit<unsigned char, DP_U8> sensorStatus{this, 24, 25, 26};
};
} // namespace model

#endif
