#include "model/filter/FilterMembership.hpp"

#include <quillon/Assert.hpp>

#include <stdio.h>

namespace model
{
void addOrStop(IPropertyFilter& filter, IProperty* property)
{
    if (filter.add(property)) {
        return;
    }
    // Static: the program stops right after, so one message buffer is enough.
    static char message[96];
    snprintf(message, sizeof(message), "Property filter full: %s", filter.getName());
    quillon::assertionFailed(message, __FILE__, __LINE__);
}
} // namespace model
