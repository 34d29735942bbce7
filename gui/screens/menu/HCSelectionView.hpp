#ifndef GUI_SCREENS_MENU_HCSELECTIONVIEW_HPP
#define GUI_SCREENS_MENU_HCSELECTIONVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/menu/HCSelectionPresenter.hpp"
#include "guicontrols/TileButton.hpp"

#include <quillon/Callback.hpp>

// One tile per present circuit; a tile stores its circuit and opens the target.
class HCSelectionView : public BaseView<HCSelectionPresenter>
{
public:
    static const quillon::BitmapId DHW_ICON = 0x7A;
    static const quillon::BitmapId CIRCULATION_ICON = 0x79;
    static const quillon::BitmapId FIRST_CIRCUIT_ICON = 0x6F; // then 0x70, 0x71

    HCSelectionView();
    ~HCSelectionView() override {}

    void setupContent(guicontrols::Content& area) override;
    const quillon::WideChar* getTitle() override;
    // Null: no help button.
    const quillon::WideChar* getHelpText() override;
    virtual void onTileClicked(const quillon::AbstractButton& tile);

    uint8_t getTileCount() const { return tileCount; }
    const guicontrols::TileButton& getTile(uint8_t index) const { return tiles[index]; }
    quillon::BitmapId getTileIcon(uint8_t index) const { return tileIcon[index]; }

protected:
    quillon::Callback<HCSelectionView, const quillon::AbstractButton&> tileClicked;
    guicontrols::TileButton tiles[HCSelectionPresenter::CIRCUITS];
    uint8_t tileCircuit[HCSelectionPresenter::CIRCUITS];
    quillon::BitmapId tileIcon[HCSelectionPresenter::CIRCUITS];
    uint8_t tileCount;
};

#endif
