#ifndef GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEADDVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEADDVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeAddPresenter.hpp"
#include "guicontrols/IconButton.hpp"
#include "guicontrols/SystemSchemeDeviceButton.hpp"

#include <quillon/Callback.hpp>

// The cylinder that can join the scheme, with a plus on it while it is not part of the
// installation; the plus marks it, OK writes it.
class WizzardSystemSchemeAddView : public BaseView<WizzardSystemSchemeAddPresenter>
{
public:
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId OK_ICON = 210;
    static const quillon::TextId TITLE_TEXT = 822;
    static const quillon::TextId HELP_TEXT = 691;
    static const quillon::BitmapId PLUS_RELEASED = 16;
    static const quillon::BitmapId PLUS_PRESSED = 18;
    static const quillon::BitmapId PLUS_ICON = 154;
    static const uint32_t CYLINDER_SYMBOL = 2;
    static const int16_t TOP = 10;
    static const int16_t PLUS_ABOVE_BOTTOM = 5;

    WizzardSystemSchemeAddView();
    ~WizzardSystemSchemeAddView() override {}

    quillon::TextId getTitleText() override { return TITLE_TEXT; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void update() override;

    const guicontrols::SystemSchemeDeviceButton& getSymbol() const { return symbol; }
    const guicontrols::IconButton& getPlusButton() const { return plusButton; }

private:
    void layoutContent();
    void onPlusClicked(const quillon::AbstractButton& button);

    quillon::Callback<WizzardSystemSchemeAddView, const quillon::AbstractButton&> plusClicked;
    guicontrols::SystemSchemeDeviceButton symbol;
    guicontrols::IconButton plusButton;
    bool wasAdded;
    bool addMarked;
};

#endif
