#include "gui/screens/favourites/FavouritesManagePresenter.hpp"

bool FavouritesManagePresenter::hasDataChanged()
{
    return getModel()->getDeviceManager().takeChanged();
}

bool FavouritesManagePresenter::isAvailable(uint32_t deviceFlag)
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

void FavouritesManagePresenter::loadFavourites()
{
    favourites = getModel()->getGroups().settings.favourites.get();
}

void FavouritesManagePresenter::saveFavourites()
{
    getModel()->getGroups().settings.favourites.set(favourites);
}

bool FavouritesManagePresenter::isFavourite(uint32_t favourite) const
{
    return favourite < FAVOURITES && (favourites & (1u << favourite)) != 0;
}

void FavouritesManagePresenter::setFavourite(uint32_t favourite, bool on)
{
    if (favourite >= FAVOURITES) {
        return;
    }
    if (on) {
        favourites |= 1u << favourite;
    } else {
        favourites &= ~(1u << favourite);
    }
}
