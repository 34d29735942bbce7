#ifndef GUI_SCREENS_FAVOURITES_FAVOURITESMAINPRESENTER_HPP
#define GUI_SCREENS_FAVOURITES_FAVOURITESMAINPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/common/PageIndicatorDataProvider.hpp"

#include <stdint.h>

// The favourites home page's presenter: which tiles are favourites, whether the page opens
// on its last page, and when a device came or went.
class FavouritesMainPresenter : public BasePresenter, public guicontrols::PageIndicatorDataProvider
{
public:
    static const uint8_t PAGE_INDEX = 2;

    explicit FavouritesMainPresenter(IView& view);
    ~FavouritesMainPresenter() override {}

    void activate() override;
    // A device came or went since the last call; takes the report.
    bool hasDataChanged() override;
    uint8_t getPageIndex() override { return PAGE_INDEX; }

    // Bit i of the favourites setting; the setting has 32 bits.
    bool isFavourite(uint8_t index);
    // Once: whether the page was asked to open on its last page.
    bool takeOpenLastPage();

private:
    uint8_t openLastPage;
};

#endif
