#ifndef GUI_VIEWMODES_EXTERNALCONTROLVIEWMODE_HPP
#define GUI_VIEWMODES_EXTERNALCONTROLVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "guicontrols/CheckableSmallButton.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

// Asks whether to change a circuit run by an external program: "Yes" or "No", exactly one
// checked, "No" again every time the mode is shown. Home, back and accept end the mode; the
// owner reads isYesSelected().
class ExternalControlViewMode : public IViewMode
{
public:
    static const uint16_t HEADLINE_CAPACITY = 30;

    explicit ExternalControlViewMode(IView& owner);

    void setCircuit(uint8_t index) { circuitIndex = index; }
    bool isYesSelected() const { return yesButton.isChecked(); }

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override {}

    const guicontrols::TextField& getHeadlineField() const { return headlineField; }
    const guicontrols::CheckableSmallButton& getYesButton() const { return yesButton; }
    const guicontrols::CheckableSmallButton& getNoButton() const { return noButton; }

private:
    void onChoice(const quillon::AbstractButton& button);

    IView* modeOwner;
    uint8_t circuitIndex;
    guicontrols::Frame infoFrame;
    guicontrols::TextField headlineField;
    guicontrols::TextField questionField;
    guicontrols::TextField titleField;
    guicontrols::CheckableSmallButton yesButton;
    guicontrols::CheckableSmallButton noButton;
    quillon::Callback<ExternalControlViewMode, const quillon::AbstractButton&> choiceCallback;
    quillon::WideChar headlineBuffer[HEADLINE_CAPACITY];
};

#endif
