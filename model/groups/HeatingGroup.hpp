#ifndef MODEL_GROUPS_HEATINGGROUP_HPP
#define MODEL_GROUPS_HEATINGGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// The home screen, setpoints, heating curve, operating and holiday programs and the time
// programs of the three circuits.
class HeatingGroup : public ParameterGroup
{
public:
    static constexpr uint32_t DAYS = 7;
    using TimeProgram = RangeDataPoint<time_point, DP_TIME_POINT, DAYS>;

    U8 value0{0, this, NO_ACTIONS};
    U8 value1{1, this, NO_ACTIONS};
    U8 dhwSetpointLimit349{349, this, NO_ACTIONS}; // an upper bound of the DHW setpoint
    U8 dhwSetpointLowerBound{350, this, NO_ACTIONS}; // the screen takes the larger of 10 and it
    U8 dhwUpperBoundChoice{259, this, NO_ACTIONS};
    U8 dhwSetpointLimit352{352, this, NO_ACTIONS}; // compared with 60
    U8 secondDhwSetpoint{258, this, NO_ACTIONS};
    U32 burnerStarts{20, this, NO_ACTIONS};
    Float<DP_SCALED_S16> circuitTemperatureHc1{21, this, NO_ACTIONS};
    Float<DP_SCALED_U8> curveSlopeHc1{95, this, NO_ACTIONS};
    DataPoint<solar_info, DP_SOLAR_INFO> solarInfo{253, this, NO_ACTIONS};
    DataPoint<boiler_info, DP_BOILER_INFO> boilerInfo{211, this, NO_ACTIONS};
    U16 value274{274, this, NO_ACTIONS};
    PerCircuit<unsigned char, DP_U8> roomSetpoint{this, 76, 129, 182};
    PerCircuit<unsigned char, DP_U8> reducedRoomSetpoint{this, 77, 130, 183};
    PerCircuit<signed char, DP_S8> curveLevel{this, 96, 149, 202};
    PerCircuit<float, DP_SCALED_U8> curveSlope{this, 95, 148, 201};
    PerCircuit<hc_info, DP_HC_INFO> hcInfo{this, 85, 138, 191};
    PerCircuit<unsigned char, DP_U8> operatingProgram{this, 82, 135, 188};
    PerCircuit<unsigned char, DP_U8> comfortRequest{this, 83, 136, 189};
    PerCircuit<unsigned char, DP_U8> comfortTemperature{this, 78, 131, 184};
    PerCircuit<unsigned char, DP_U8> economyRequest{this, 84, 137, 190};
    PerCircuit<unsigned char, DP_U8> timeProgramType{this, 72, 125, 178};
    PerCircuit<unsigned char, DP_U8> holidayState{this, 89, 142, 195}; // bit 0: holiday program
    PerCircuit<unsigned char, DP_U8> screedDrying{this, 98, 151, 204};
    PerCircuit<heating_info, DP_HEATING_INFO> heatingInfo{this, 87, 140, 193};
    // Three time programs per circuit, one day per element.
    TimeProgram program1Hc1{this, 51};
    TimeProgram program1Hc2{this, 104};
    TimeProgram program1Hc3{this, 157};
    TimeProgram program2Hc1{this, 58};
    TimeProgram program2Hc2{this, 111};
    TimeProgram program2Hc3{this, 164};
    TimeProgram program3Hc1{this, 65};
    TimeProgram program3Hc2{this, 118};
    TimeProgram program3Hc3{this, 171};
    PerCircuit<date_time, DP_DATE_TIME> holidayStart{this, 79, 132, 185};
    PerCircuit<date_time, DP_DATE_TIME> holidayEnd{this, 80, 133, 186};
    U8 burnerServiceInterval{224, this, NO_ACTIONS}; // units of 100 h
    U8 serviceIntervalMonths{226, this, NO_ACTIONS};
};
} // namespace model

#endif
