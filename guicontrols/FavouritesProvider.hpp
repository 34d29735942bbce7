#ifndef GUICONTROLS_FAVOURITESPROVIDER_HPP
#define GUICONTROLS_FAVOURITESPROVIDER_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// One entry of the favourites selection: a copy of its name and whether it is chosen.
class FavouritesProvider
{
public:
    static const uint16_t NAME_SIZE = 50;

    FavouritesProvider(const quillon::WideChar* name, uint8_t favourite);
    virtual ~FavouritesProvider() {}

    // A null name leaves the name empty; a long one is cut to 49 characters.
    void set(const quillon::WideChar* name, uint8_t favourite);
    const quillon::WideChar* getText() const { return name; }
    uint8_t isFavourite() const { return favourite; }

private:
    quillon::WideChar name[NAME_SIZE];
    uint8_t favourite;
};
} // namespace guicontrols

#endif
