#ifndef GUI_SCREENS_WIZARD_WIZZARDCYLINDERTYPEVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDCYLINDERTYPEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/WizzardCylinderTypePresenter.hpp"
#include "guicontrols/CheckableLongButton.hpp"
#include "guicontrols/ScrollArea.hpp"

#include <quillon/Callback.hpp>

#include <stdint.h>

// The five cylinder types, one marked: the device's until the engineer touches another.
// OK writes the marked one.
class WizzardCylinderTypeView : public BaseView<WizzardCylinderTypePresenter>
{
public:
    // Button 0 is never shown: it stands for a value with no type.
    static const uint8_t BUTTON_COUNT = 6;
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId OK_ICON = 210;
    static const quillon::TextId TITLE_TEXT = 1183;
    static const quillon::TextId HELP_TEXT = 787;
    static const int16_t LIST_X = 30;
    static const int16_t LIST_Y = 10;
    static const uint16_t ITEM_SPACING = 10;

    WizzardCylinderTypeView();
    ~WizzardCylinderTypeView() override {}

    quillon::TextId getTitleText() override { return TITLE_TEXT; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void update() override;

    const guicontrols::CheckableLongButton& getButton(uint8_t type) const { return buttons[type]; }
    const guicontrols::ScrollArea& getList() const { return list; }

private:
    void fillList();
    void mark(uint8_t type);
    void onButtonClicked(const quillon::AbstractButton& button);

    quillon::Callback<WizzardCylinderTypeView, const quillon::AbstractButton&> buttonClicked;
    guicontrols::CheckableLongButton buttons[BUTTON_COUNT];
    guicontrols::ScrollArea list;
    // The marked type; the device's until a touch, which then keeps it.
    uint8_t chosenType;
    bool touched;
};

#endif
