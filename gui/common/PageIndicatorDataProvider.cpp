#include "gui/common/PageIndicatorDataProvider.hpp"

#include "gui/pages/TileList.hpp"
#include "model/DataModelManager.hpp"

namespace guicontrols
{
PageIndicatorDataProvider::PageIndicatorDataProvider(const pagemanager::Page* favouritesPage)
    : page(favouritesPage), numberOfPages(PAGES_BEFORE_FIRST_COUNT), model(nullptr)
{
}

uint8_t PageIndicatorDataProvider::getNumberOfPages()
{
    const TileList* list = page != nullptr ? page->getPointer<const TileList>() : nullptr;
    if (list == nullptr || list->tiles == nullptr) {
        return numberOfPages;
    }
    const uint32_t favourites = model != nullptr ? model->getGroups().settings.favourites.get() : 0u;
    uint32_t shown = 0;
    for (uint16_t i = 0; i < list->tileCount; ++i) {
        const TileItem& tile = list->tiles[i];
        // The setting has 32 bits: a tile beyond them is never a favourite.
        const bool favourite = i < 32 && ((favourites >> i) & 1u) != 0;
        if (tile.alwaysShown != 0 || (tile.protector != nullptr && tile.protector->isAvailable() && favourite)) {
            ++shown;
        }
    }
    // The always-shown management tile is one of the tiles: six in all still fit one page.
    const uint32_t beyondFirst = shown != 0 ? shown - 1 : 0;
    numberOfPages = static_cast<uint8_t>(beyondFirst / TILES_PER_PAGE + PAGES_BEFORE_FAVOURITES + 1);
    return numberOfPages;
}
} // namespace guicontrols
