#ifndef GUI_SCREENS_FAVOURITES_FAVOURITESMAINVIEW_HPP
#define GUI_SCREENS_FAVOURITES_FAVOURITESMAINVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/pages/TileList.hpp"
#include "gui/screens/favourites/FavouritesMainPresenter.hpp"
#include "guicontrols/MainTopBar.hpp"
#include "guicontrols/PageIndicator.hpp"
#include "guicontrols/TileButtonWithStar.hpp"

#include <quillon/Callback.hpp>

// The favourites home page: up to twelve shortcut tiles, six per screen page, each opening
// its page with its heating circuit chosen.
class FavouritesMainView : public BaseView<FavouritesMainPresenter>
{
public:
    // A tile that knows the favourite it stands for.
    class FavouriteButton : public guicontrols::TileButtonWithStar
    {
    public:
        FavouriteButton() : item(nullptr) {}
        void setItem(const TileItem* tileItem) { item = tileItem; }
        const TileItem* getItem() const { return item; }
        pagemanager::Page* getTarget() const { return item != nullptr ? item->target : nullptr; }

    private:
        const TileItem* item;
    };

    static const uint8_t MAX_TILES = 12;
    static const uint16_t CAPTION_UNITS = 40;
    static const uint16_t TITLE_UNITS = 40;
    static const int16_t SECOND_PAGE_SCROLL = -730;
    static const uint8_t LEFT_ARROW_BUTTON = SCROLL_BACK_BUTTON;
    static const uint8_t RIGHT_ARROW_BUTTON = SCROLL_ON_BUTTON;

    FavouritesMainView();
    ~FavouritesMainView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void update() override;
    void rebuildContent() override;
    const quillon::WideChar* getHelpText() override;

    // For tests: what is shown.
    uint8_t getTileCount() const { return tileCount; }
    uint8_t getPageCount() const { return pageCount; }
    const FavouriteButton& getTile(uint8_t index) const { return tiles[index]; }
    const guicontrols::MainTopBar& getMainTopBar() const { return mainTopBar; }
    const guicontrols::PageIndicator& getPageIndicator() const { return pageIndicator; }
    static uint8_t getShownPage() { return shownPage; }

private:
    void updateTitle();
    void showCaption(uint8_t slot, const TileItem& item);
    void onTopBarButton(const int& id);
    void onTileClicked(const quillon::AbstractButton& button);

    guicontrols::MainTopBar mainTopBar;
    quillon::Callback<FavouritesMainView, const int&> topBarCallback;
    FavouriteButton tiles[MAX_TILES];
    uint8_t tileCount;
    uint8_t pageCount;
    quillon::WideChar captionBuffers[MAX_TILES][CAPTION_UNITS];
    quillon::WideChar titleBuffer[TITLE_UNITS];
    quillon::Callback<FavouritesMainView, const quillon::AbstractButton&> tileCallback;
    guicontrols::PageIndicator pageIndicator;

    // The favourites page shown, 0 or 1: kept over a rebuild of the content, 0 for a new view.
    static uint8_t shownPage;
};

#endif
