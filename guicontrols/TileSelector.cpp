#include "guicontrols/TileSelector.hpp"

#include "guicontrols/Frame.hpp"

namespace guicontrols
{
TileSelector::TileSelector(int32_t count)
    : tileCount(count < 0 ? 0 : (count > MAX_TILES ? MAX_TILES : count)),
      tileCallback(this, &TileSelector::onTileClicked)
{
    for (int32_t i = 0; i < tileCount; ++i) {
        tiles[i].setAction(tileCallback);
    }
    setSelectedTile(0);
}

void TileSelector::layoutIn(quillon::Container& container)
{
    Frame::placeTiles(container, tiles, static_cast<uint16_t>(tileCount), 0);
}

void TileSelector::setTile(int32_t index, const quillon::TypedText& text, const quillon::Bitmap& icon)
{
    if (index < 0 || index >= tileCount) {
        return;
    }
    tiles[index].setText(text.hasValidId() ? text.getText() : nullptr);
    tiles[index].setIcon(icon);
    tiles[index].invalidate();
}

void TileSelector::setSelectedTile(int32_t index)
{
    for (int32_t i = 0; i < tileCount; ++i) {
        tiles[i].setChecked(i == index);
        tiles[i].invalidate();
    }
}

int32_t TileSelector::getSelectedTile() const
{
    for (int32_t i = 0; i < tileCount; ++i) {
        if (tiles[i].isChecked()) {
            return i;
        }
    }
    return 0;
}

void TileSelector::onTileClicked(const quillon::AbstractButton& tile)
{
    for (int32_t i = 0; i < tileCount; ++i) {
        if (&tiles[i] == &tile) {
            setSelectedTile(i);
            return;
        }
    }
}
} // namespace guicontrols
