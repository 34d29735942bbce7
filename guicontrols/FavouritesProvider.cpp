#include "guicontrols/FavouritesProvider.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
FavouritesProvider::FavouritesProvider(const quillon::WideChar* newName, uint8_t newFavourite)
    : name{}, favourite(0)
{
    set(newName, newFavourite);
}

void FavouritesProvider::set(const quillon::WideChar* newName, uint8_t newFavourite)
{
    name[0] = 0;
    favourite = newFavourite;
    if (newName != nullptr) {
        // One unit stays for the terminator: a full-length copy would run on unterminated.
        quillon::WideString::strncpy(name, newName, NAME_SIZE - 1);
        name[NAME_SIZE - 1] = 0;
    }
}
} // namespace guicontrols
