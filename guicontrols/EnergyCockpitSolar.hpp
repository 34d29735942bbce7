#ifndef GUICONTROLS_ENERGYCOCKPITSOLAR_HPP
#define GUICONTROLS_ENERGYCOCKPITSOLAR_HPP

#include <quillon/hal/Types.hpp>
#include <quillon/widgets/Button.hpp>

namespace guicontrols
{
// The solar collector tile of the energy cockpit with one line of text (the collector
// temperature). Pressing shows no other look; the action runs on the release.
class EnergyCockpitSolar : public quillon::Button
{
public:
    EnergyCockpitSolar();
    ~EnergyCockpitSolar() override {}

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    // Kept, not copied: the screen rewrites it and invalidates the tile.
    void setText(const quillon::WideChar* text) { this->text = text; }

private:
    const quillon::WideChar* text;
};
} // namespace guicontrols

#endif
