#ifndef GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEREMOVEVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEREMOVEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/SchemeCanvas.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemovePresenter.hpp"

#include <stdint.h>

// The scheme with a cross beside each component that can go. A cross changes only the
// drawing; OK writes what differs from the model as the screen opened.
class WizzardSystemSchemeRemoveView : public BaseView<WizzardSystemSchemeRemovePresenter>
{
public:
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId OK_ICON = 210;
    static const quillon::TextId TITLE_TEXT = 821;
    static const quillon::TextId HELP_TEXT = 690;

    WizzardSystemSchemeRemoveView();
    ~WizzardSystemSchemeRemoveView() override {}

    quillon::TextId getTitleText() override { return TITLE_TEXT; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void refresh() override;

    // By the widget's click ids.
    void onMarkClicked(int id);

    const guicontrols::SystemScheme& getScheme() const { return canvas.getScheme(); }

private:
    static void markClicked(void* context, int id);
    void buildScheme();
    void confirm();

    SchemeCanvas canvas;
    uint8_t initialScheme;
    bool initialAdded;
};

#endif
