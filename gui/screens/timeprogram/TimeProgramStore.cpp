#include "gui/screens/timeprogram/TimeProgramStore.hpp"

#include "model/DataModelManager.hpp"

HeatingCircuitParam TimeProgramStore::safeParam(const HeatingCircuitParam& param)
{
    HeatingCircuitParam safe = param;
    safe.circuit = static_cast<uint16_t>(safeCircuit(param.circuit));
    safe.day = safeDay(param.day);
    return safe;
}

bool TimeProgramStore::usesCircuitIndex() const
{
    if (kind.program == TimeProgramKind::HEATING) {
        return true;
    }
    return model == nullptr || model->getGroups().general.configuration335.getValue() != 1;
}

uint32_t TimeProgramStore::circuitUsed(uint32_t chosen) const
{
    return usesCircuitIndex() ? safeCircuit(chosen) : 0;
}

model::HeatingGroup::TimeProgram* TimeProgramStore::range(uint32_t chosen) const
{
    if (model == nullptr) {
        return nullptr;
    }
    model::HeatingGroup& heating = model->getGroups().heating;
    model::HeatingGroup::TimeProgram* const ranges[3][CIRCUITS] = {
        {&heating.program1Hc1, &heating.program1Hc2, &heating.program1Hc3},
        {&heating.program2Hc1, &heating.program2Hc2, &heating.program2Hc3},
        {&heating.program3Hc1, &heating.program3Hc2, &heating.program3Hc3},
    };
    return ranges[kind.program][circuitUsed(chosen)];
}

time_point TimeProgramStore::getDayProgram(uint32_t chosen, uint8_t day) const
{
    model::HeatingGroup::TimeProgram* days = range(chosen);
    if (days == nullptr) {
        time_point none;
        for (uint8_t& byte : none.bytes) {
            byte = 0xFF;
        }
        return none;
    }
    return days->at(safeDay(day)).getValue();
}

void TimeProgramStore::setDayProgram(uint32_t chosen, uint8_t day, const time_point& record) const
{
    model::HeatingGroup::TimeProgram* days = range(chosen);
    if (days == nullptr) {
        return;
    }
    (void)days->at(safeDay(day)).setValue(record); // unacknowledged: the next read shows the device's
    if (kind.program == TimeProgramKind::HEATING) {
        model->getGroups().heating.refreshAll();
    }
}

uint8_t TimeProgramStore::getTypeBits(uint32_t chosen) const
{
    if (model == nullptr) {
        return 0;
    }
    return model->getGroups().heating.timeProgramType.at(circuitUsed(chosen)).getValue();
}

void TimeProgramStore::sendTypeCode(uint32_t chosen, uint8_t code) const
{
    if (model == nullptr) {
        return;
    }
    const uint8_t circuit = static_cast<uint8_t>(circuitUsed(chosen));
    (void)model->getGroups().rpc.functionCode.sendCodeWithData(code, &circuit, 1);
    (void)model->getGroups().heating.timeProgramType.at(circuit).refresh();
}
