#ifndef GUICONTROLS_TILESELECTOR_HPP
#define GUICONTROLS_TILESELECTOR_HPP

#include "guicontrols/CheckableTileButton.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/Callback.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// One choice among up to three tiles: a click checks its tile and unchecks the others. The
// tiles live in a container of the owner (layoutIn); the screen asks for the choice.
class TileSelector : public quillon::Container
{
public:
    static const int32_t MAX_TILES = 3;

    // More than three tiles give three.
    explicit TileSelector(int32_t count);

    void layoutIn(quillon::Container& container);
    void setTile(int32_t index, const quillon::TypedText& text, const quillon::Bitmap& icon);
    // An index outside the tiles leaves all unchecked.
    void setSelectedTile(int32_t index);
    // The first checked tile; 0 when none is.
    int32_t getSelectedTile() const;
    int32_t getTileCount() const { return tileCount; }
    const CheckableTileButton& getTile(int32_t index) const { return tiles[index]; }

    void onTileClicked(const quillon::AbstractButton& tile);

private:
    int32_t tileCount;
    quillon::Callback<TileSelector, const quillon::AbstractButton&> tileCallback;
    CheckableTileButton tiles[MAX_TILES];
};
} // namespace guicontrols

#endif
