#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMTYPESELECTIONVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMTYPESELECTIONVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/timeprogram/TimeProgramTypeSelectionPresenter.hpp"
#include "guicontrols/TileSelector.hpp"

struct MenuDescriptor;

// "Automatic" or "Individual" as two tiles, texts from the page's menu; confirm sends the
// choice and, for "Individual", opens the program's week.
class TimeProgramTypeSelectionView : public BaseView<TimeProgramTypeSelectionPresenter>
{
public:
    static const uint8_t CONFIRM_BUTTON = 5;
    static const int32_t AUTOMATIC_TILE = 0;
    static const int32_t INDIVIDUAL_TILE = 1;

    TimeProgramTypeSelectionView();

    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void refresh() override;
    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;

    const guicontrols::TileSelector& getTiles() const { return tiles; }

private:
    const MenuDescriptor* menu() const;
    void selectFromType();

    guicontrols::TileSelector tiles;
    bool shown;
};

#endif
