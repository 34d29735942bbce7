#ifndef GUI_SCREENS_MENU_MENUVIEW_HPP
#define GUI_SCREENS_MENU_MENUVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/pages/MenuDescriptor.hpp"
#include "gui/screens/menu/MenuPresenter.hpp"
#include "guicontrols/TileButton.hpp"

#include <quillon/Callback.hpp>

// Every tile menu: the tiles of the current page's menu descriptor whose protector lets
// them show, rebuilt when the set of present devices changes.
class MenuView : public BaseView<MenuPresenter>
{
public:
    static const uint16_t MAX_TILES = 12;
    static const uint32_t FIRST_CIRCUIT_NAME = 100; // 100..102: the names of circuits 1..3

    class MenuButton : public guicontrols::TileButton
    {
    public:
        MenuButton() : item(nullptr) {}
        ~MenuButton() override {}
        void setItem(const MenuItem* menuItem) { item = menuItem; }
        const MenuItem* getItem() const { return item; }
        pagemanager::Page* getTarget() const { return item->target; }

    private:
        const MenuItem* item;
    };

    MenuView();
    ~MenuView() override {}

    void setupContent(guicontrols::Content& area) override;
    void rebuildContent() override;
    void update() override;
    quillon::TextId getTitleText() override;
    // Null: no help button.
    const quillon::WideChar* getHelpText() override;

    void onTileClicked(const quillon::AbstractButton& tile);

    uint32_t getTileCount() const { return tileCount; }
    const MenuButton& getTile(uint32_t index) const { return tiles[index]; }

protected:
    explicit MenuView(TitleFunctor* functor);
    const MenuDescriptor* getDescriptor() const;
    const quillon::WideChar* labelOf(const MenuItem& item) const;

    MenuButton tiles[MAX_TILES];
    uint32_t tileCount;
    quillon::Callback<MenuView, const quillon::AbstractButton&> tileClicked;
};

#endif
