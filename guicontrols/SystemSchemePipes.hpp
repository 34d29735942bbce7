#ifndef GUICONTROLS_SYSTEMSCHEMEPIPES_HPP
#define GUICONTROLS_SYSTEMSCHEMEPIPES_HPP

#include "guicontrols/SystemSchemeDeviceButton.hpp"

#include <quillon/Widget.hpp>
#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// The pipe network of a scheme, under its tiles. The pipes run below the tiles and reach
// into their neighbours' gaps; drawn here, any redrawn part of the scheme (a tile's, or the
// space between two) repaints the pipe inside it, so the line stays unbroken.
class SystemSchemePipes : public quillon::Widget
{
public:
    SystemSchemePipes(const quillon::Container& scheme, const SystemSchemeDeviceButton* tiles, uint8_t tileCount)
        : scheme(scheme), tiles(tiles), tileCount(tileCount)
    {
    }

    // The pipes of the tiles the scheme shows, only inside area.
    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

private:
    const quillon::Container& scheme;
    const SystemSchemeDeviceButton* tiles;
    uint8_t tileCount;
};
} // namespace guicontrols

#endif
