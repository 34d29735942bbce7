#ifndef GUICONTROLS_ENERGYCOCKPITBUFFER_HPP
#define GUICONTROLS_ENERGYCOCKPITBUFFER_HPP

#include <quillon/widgets/Button.hpp>

namespace guicontrols
{
// The buffer cylinder tile of the energy cockpit: artwork only, the same pressed or not;
// the action runs on the release.
class EnergyCockpitBuffer : public quillon::Button
{
public:
    EnergyCockpitBuffer();
    ~EnergyCockpitBuffer() override {}

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }
};
} // namespace guicontrols

#endif
