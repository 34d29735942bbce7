#include "gui/screens/wizard/SchemeRules.hpp"

namespace SchemeRules
{
bool canRemoveFirstCircuit(uint8_t scheme)
{
    return scheme == 5 || scheme == 6 || scheme == 9 || scheme == 10;
}

bool canAddCylinder(uint8_t scheme, bool boiler57, bool solar)
{
    return boiler57 && solar && scheme >= 2 && scheme <= 10 && scheme % 2 == 0;
}

bool canEdit(uint8_t scheme, bool boiler57, bool solar)
{
    return canRemoveFirstCircuit(scheme) || canAddCylinder(scheme, boiler57, solar);
}
} // namespace SchemeRules
