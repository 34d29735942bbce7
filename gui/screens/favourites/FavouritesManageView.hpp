#ifndef GUI_SCREENS_FAVOURITES_FAVOURITESMANAGEVIEW_HPP
#define GUI_SCREENS_FAVOURITES_FAVOURITESMANAGEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/favourites/FavouritesManagePresenter.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/FavouritesItem.hpp"
#include "guicontrols/FavouritesProvider.hpp"

// The favourites the present devices allow, each with a check mark; OK stores the marks.
class FavouritesManageView : public BaseView<FavouritesManagePresenter>, public ListConfiguration
{
public:
    static constexpr uint32_t FAVOURITES = FavouritesManagePresenter::FAVOURITES;
    static constexpr uint16_t LABEL_UNITS = 40;
    static constexpr uint8_t OK_BUTTON = 5;
    static constexpr quillon::BitmapId ACCEPT_ICON = 0xD2;

    FavouritesManageView();
    ~FavouritesManageView() override {}

    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void update() override;

    // Whether favourite n has a line now.
    bool isListed(uint32_t favourite) const;
    const guicontrols::FavouritesItem& getLine(uint32_t favourite) const { return lines[favourite]; }

private:
    void buildList();
    bool isAllowed(uint32_t favourite);

    guicontrols::FavouritesProvider providers[FAVOURITES];
    guicontrols::FavouritesItem lines[FAVOURITES];
    quillon::WideChar labels[FAVOURITES][LABEL_UNITS];
};

#endif
