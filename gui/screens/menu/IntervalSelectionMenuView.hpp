#ifndef GUI_SCREENS_MENU_INTERVALSELECTIONMENUVIEW_HPP
#define GUI_SCREENS_MENU_INTERVALSELECTIONMENUVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuButton.hpp"
#include "gui/screens/menu/IntervalSelectionMenuPresenter.hpp"

#include <quillon/Callback.hpp>

// The period of a chart, chosen on tiles: every item of the page's interval descriptor.
class IntervalSelectionMenuView : public BaseView<IntervalSelectionMenuPresenter>
{
public:
    static const uint16_t MAX_TILES = 6;

    IntervalSelectionMenuView();
    ~IntervalSelectionMenuView() override {}

    void setupContent(guicontrols::Content& area) override;
    quillon::TextId getTitleText() override;
    // Null: no help button.
    const quillon::WideChar* getHelpText() override;

    void onTileClicked(const quillon::AbstractButton& tile);

    uint32_t getTileCount() const { return tileCount; }
    const IntervalSelectionMenuButton& getTile(uint32_t index) const { return tiles[index]; }

private:
    const IntervalMenuDescriptor* getDescriptor() const;

    IntervalSelectionMenuButton tiles[MAX_TILES];
    uint32_t tileCount;
    quillon::Callback<IntervalSelectionMenuView, const quillon::AbstractButton&> tileClicked;
};

#endif
