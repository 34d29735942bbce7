#ifndef GUICONTROLS_ENERGYCOCKPITBOILER_HPP
#define GUICONTROLS_ENERGYCOCKPITBOILER_HPP

#include <quillon/widgets/Button.hpp>

namespace guicomponents
{
// The cockpit's boiler: a plain button, kept for the screens that may name it.
class EnergyCockpitBoiler : public quillon::Button
{
};
} // namespace guicomponents

#endif
