#ifndef GUI_SCREENS_ENERGY_ENERGYREADINGS_HPP
#define GUI_SCREENS_ENERGY_ENERGYREADINGS_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace model
{
class DataModelManager;
}

// What the cockpit and the buffer load read alike: the installation's boiler variant and
// cylinder type from the device flags, the two heat sources' states and a temperature text.
namespace EnergyReadings
{
const uint8_t NO_CYLINDER_FLAG_COCKPIT = 0;
const uint8_t NO_CYLINDER_FLAG_BUFFER = 4;

// 1 to 4 by flags 57 to 60, the first set; 1 without any.
uint8_t boilerVariant(model::DataModelManager& model);
// 1 to 4 by flags 61 to 64, flag 65 counts as 3; the given type without any.
uint8_t cylinderType(model::DataModelManager& model, uint8_t withoutFlag);
// A solar type flag, or a boiler variant that has solar built in.
bool hasSolar(model::DataModelManager& model);
bool hasDevice(model::DataModelManager& model, uint32_t flag);
// Pump on and hot-water heating by the collector: bits 0 and 1 of the solar state.
bool isSolarHeating(model::DataModelManager& model);
// The hot-water state is exactly 1 and the burner is on.
bool isBoilerHeating(model::DataModelManager& model);
// Tenths to whole degrees, halves away from zero: 215 gives 22, -55 gives -6.
int32_t wholeDegrees(int32_t tenths);
// "<degrees><unit>", or "---" when the value is flagged not available.
void formatTemperature(quillon::WideChar* buffer, uint16_t units, int32_t tenths, bool available,
                       const quillon::WideChar* unit);
// "<value> %" with the percent text of the table.
void formatPercent(quillon::WideChar* buffer, uint16_t units, uint32_t value);
} // namespace EnergyReadings

#endif
