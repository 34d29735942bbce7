#ifndef GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEEDITVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEEDITVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeEditPresenter.hpp"
#include "guicontrols/LongButton.hpp"

#include <quillon/Callback.hpp>

// "Add components" while the scheme can take the cylinder beside the solar installation,
// "Remove components" while circuit 1 or that cylinder can go.
class WizzardSystemSchemeEditView : public BaseView<WizzardSystemSchemeEditPresenter>
{
public:
    static const quillon::TextId TITLE_TEXT = 820;
    static const quillon::TextId ADD_TEXT = 1017;
    static const quillon::TextId REMOVE_TEXT = 1016;
    static const quillon::BitmapId ADD_ICON = 154;
    static const quillon::BitmapId REMOVE_ICON = 159;
    static const int16_t ICON_OFFSET = -300;
    static const int16_t TOP = 10;
    static const int16_t GAP = 20;

    WizzardSystemSchemeEditView();
    ~WizzardSystemSchemeEditView() override {}

    quillon::TextId getTitleText() override { return TITLE_TEXT; }
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void update() override;

    const guicontrols::LongButton& getAddButton() const { return addButton; }
    const guicontrols::LongButton& getRemoveButton() const { return removeButton; }

private:
    void layoutButtons();
    void onButtonClicked(const quillon::AbstractButton& button);

    quillon::Callback<WizzardSystemSchemeEditView, const quillon::AbstractButton&> buttonClicked;
    guicontrols::LongButton addButton;
    guicontrols::LongButton removeButton;
};

#endif
