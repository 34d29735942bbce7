#ifndef GUI_SCREENS_WIZARD_WIZZARDHCTYPESELECTVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDHCTYPESELECTVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/WizzardHCTypeSelectPresenter.hpp"
#include "guicontrols/SystemSchemeDeviceButton.hpp"

#include <quillon/Callback.hpp>

#include <stdint.h>

// The circuit's possible types as scheme symbols in one row, the chosen one selected;
// OK writes the choice. Circuit 1 cannot be an underfloor circuit.
class WizzardHCTypeSelectView : public BaseView<WizzardHCTypeSelectPresenter>
{
public:
    static const uint8_t TYPE_COUNT = 3;
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId OK_ICON = 210;
    static const quillon::TextId TITLE_TEXT = 979;
    static const quillon::TextId HELP_TEXT = 733;
    static const int16_t ROW_WIDTH = 830;
    static const int16_t ROW_Y = 10;
    static const int16_t GAP = 10;

    WizzardHCTypeSelectView();
    ~WizzardHCTypeSelectView() override {}

    quillon::TextId getTitleText() override { return TITLE_TEXT; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void update() override;

    const guicontrols::SystemSchemeDeviceButton& getTypeButton(uint8_t type) const { return buttons[type]; }
    uint8_t getChosenType() const { return chosenType; }

private:
    void updateContent();
    void onTypeClicked(const quillon::AbstractButton& button);

    quillon::Callback<WizzardHCTypeSelectView, const quillon::AbstractButton&> typeClicked;
    guicontrols::SystemSchemeDeviceButton buttons[TYPE_COUNT];
    uint8_t chosenType;
};

#endif
