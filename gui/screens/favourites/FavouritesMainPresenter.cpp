#include "gui/screens/favourites/FavouritesMainPresenter.hpp"

#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "model/ParameterGroups.hpp"

FavouritesMainPresenter::FavouritesMainPresenter(IView& view)
    : BasePresenter(view), guicontrols::PageIndicatorDataProvider(ShellPages::favourites()), openLastPage(0)
{
    const Params::FavouritesState* state =
        pageManager != nullptr ? pageManager->getParam<Params::FavouritesState>() : nullptr;
    if (state != nullptr) {
        openLastPage = state->page;
    }
}

void FavouritesMainPresenter::activate()
{
    setModel(getModel());
}

bool FavouritesMainPresenter::hasDataChanged()
{
    return getModel()->getDeviceManager().takeChanged();
}

bool FavouritesMainPresenter::isFavourite(uint8_t index)
{
    if (index >= 32) {
        return false;
    }
    const uint32_t favourites = getModel()->getGroups().settings.favourites.get();
    return ((favourites >> index) & 1u) != 0;
}

bool FavouritesMainPresenter::takeOpenLastPage()
{
    const bool open = openLastPage != 0;
    openLastPage = 0;
    return open;
}
