#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMSTORE_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMSTORE_HPP

#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/screens/timeprogram/TimeProgramKind.hpp"
#include "model/groups/HeatingGroup.hpp"

#include <stdint.h>

namespace model
{
class DataModelManager;
}

// The day records of one program kind in the model, and the circuit and day a screen is
// handed. Circuit and day come from another screen's parameter: anything outside the three
// circuits and seven days is read as 0, so no record outside the program is ever touched.
class TimeProgramStore
{
public:
    static const uint8_t CIRCUITS = 3;
    static const uint8_t DAYS = static_cast<uint8_t>(model::HeatingGroup::DAYS);

    explicit TimeProgramStore(const TimeProgramKind& kind) : kind(kind), model(nullptr) {}

    void bind(model::DataModelManager* dataModel) { model = dataModel; }
    const TimeProgramKind& getKind() const { return kind; }

    static uint32_t safeCircuit(uint32_t circuit) { return circuit < CIRCUITS ? circuit : 0; }
    static uint8_t safeDay(uint32_t day) { return day < DAYS ? static_cast<uint8_t>(day) : 0; }
    static HeatingCircuitParam safeParam(const HeatingCircuitParam& param);

    // Hot water and circulation exist per circuit unless the boiler says they are shared
    // (the configuration byte at 0x777F holds 1); heating always does.
    bool usesCircuitIndex() const;
    uint32_t circuitUsed(uint32_t chosen) const;

    // The seven days of the chosen circuit's program, after the circuit rule.
    model::HeatingGroup::TimeProgram* range(uint32_t chosen) const;
    time_point getDayProgram(uint32_t chosen, uint8_t day) const;
    // Stores the record and queues its write; heating then has its whole group read again.
    void setDayProgram(uint32_t chosen, uint8_t day, const time_point& record) const;

    // The type byte of the chosen circuit, and the function call that changes it.
    uint8_t getTypeBits(uint32_t chosen) const;
    bool isAutomatic(uint32_t chosen) const { return (getTypeBits(chosen) & kind.typeBit) != 0; }
    void sendTypeCode(uint32_t chosen, uint8_t code) const;

private:
    const TimeProgramKind& kind;
    model::DataModelManager* model;
};

#endif
