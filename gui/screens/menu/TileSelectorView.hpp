#ifndef GUI_SCREENS_MENU_TILESELECTORVIEW_HPP
#define GUI_SCREENS_MENU_TILESELECTORVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/menu/TileSelectorPresenter.hpp"
#include "guicontrols/TileSelector.hpp"

// Two tiles for a yes/no-like setting; OK writes the selected one.
class TileSelectorView : public BaseView<TileSelectorPresenter>
{
public:
    static const uint8_t SERVICE_NOTICE_BUTTON = 3;
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId ACCEPT_ICON = 0xD2;
    static const uint16_t LAN_CARD_ENABLE_POPUP = 18;
    static const quillon::TextId LAN_DEACTIVATED_TEXT = 868;

    TileSelectorView();
    ~TileSelectorView() override {}

    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    const quillon::WideChar* getTitle() override;
    // Null: no help button.
    const quillon::WideChar* getHelpText() override;

    const guicontrols::TileSelector& getTileSelector() const { return tileSelector; }

private:
    void confirmLanModule();

    guicontrols::TileSelector tileSelector;
    TileSelectorPresenter::Choice choice;
};

#endif
