#ifndef GUI_SCREENS_WIZARD_SCHEMERULES_HPP
#define GUI_SCREENS_WIZARD_SCHEMERULES_HPP

#include <stdint.h>

// What the engineer may change in the scheme the boiler reports (scheme number s).
namespace SchemeRules
{
const uint8_t FIRST_ERROR_SCHEME = 11;
// Removing heating circuit 1 lowers the scheme number by this.
const uint8_t CIRCUIT_STEP = 2;

bool canRemoveFirstCircuit(uint8_t scheme);
// The cylinder beside a solar installation: only with boiler 57 and an even scheme.
bool canAddCylinder(uint8_t scheme, bool boiler57, bool solar);
bool canEdit(uint8_t scheme, bool boiler57, bool solar);
} // namespace SchemeRules

#endif
