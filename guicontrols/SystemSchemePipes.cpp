#include "guicontrols/SystemSchemePipes.hpp"

namespace guicontrols
{
void SystemSchemePipes::draw(const quillon::Rectangle& area) const
{
    quillon::Rectangle clip = area;
    toScreenCoordinates(clip);
    for (uint8_t i = 0; i < tileCount; ++i) {
        const SystemSchemeDeviceButton& tile = tiles[i];
        if (tile.isVisible() && scheme.contains(tile)) {
            tile.drawPipes(clip);
        }
    }
}
} // namespace guicontrols
