#ifndef MODEL_FILTER_FILTERMEMBERSHIP_HPP
#define MODEL_FILTER_FILTERMEMBERSHIP_HPP

#include "model/IProperty.hpp"
#include "model/filter/IPropertyFilter.hpp"

namespace model
{
// Adds the property to the filter, or stops the program with "Property filter full: <name>":
// a property that does not fit would silently never update, which no test of the screen
// would notice.
void addOrStop(IPropertyFilter& filter, IProperty* property);
} // namespace model

#endif
