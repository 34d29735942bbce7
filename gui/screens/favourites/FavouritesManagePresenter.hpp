#ifndef GUI_SCREENS_FAVOURITES_FAVOURITESMANAGEPRESENTER_HPP
#define GUI_SCREENS_FAVOURITES_FAVOURITESMANAGEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// A working copy of the stored favourites, bit n for favourite n, and which devices allow
// which of them.
class FavouritesManagePresenter : public BasePresenter
{
public:
    static constexpr uint32_t FAVOURITES = 11;

    explicit FavouritesManagePresenter(IView& view) : BasePresenter(view), favourites(0) {}
    ~FavouritesManagePresenter() override {}

    // The set of present devices changed since the last call.
    bool hasDataChanged() override;
    virtual bool isAvailable(uint32_t deviceFlag);

    void loadFavourites();
    void saveFavourites();
    // Favourites 0..10; any other number is never a favourite and is never changed.
    bool isFavourite(uint32_t favourite) const;
    void setFavourite(uint32_t favourite, bool on);

    uint32_t getFavourites() const { return favourites; }

private:
    uint32_t favourites;
};

#endif
