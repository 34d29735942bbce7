#ifndef GUI_SCREENS_ENERGY_ENERGYBALANCENOTEVIEW_HPP
#define GUI_SCREENS_ENERGY_ENERGYBALANCENOTEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/EnergyBalanceNotePresenter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>

#include <stdint.h>

// The note before the energy balance and the consumption histories, with OK (confirmed,
// not shown again) and Cancel (shown again next time); both lead on.
class EnergyBalanceNoteView : public BaseView<EnergyBalanceNotePresenter>
{
public:
    static const uint16_t NOTE_UNITS = 1000;

    EnergyBalanceNoteView();
    ~EnergyBalanceNoteView() override {}

    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;

    const quillon::ButtonWithLabel& getOkButton() const { return okButton; }
    const quillon::ButtonWithLabel& getCancelButton() const { return cancelButton; }
    const guicontrols::TextField& getNote() const { return note; }

private:
    void onButtonClicked(const quillon::AbstractButton& source);

    guicontrols::Frame frame;
    guicontrols::TextField note;
    quillon::WideChar noteText[NOTE_UNITS];
    quillon::ButtonWithLabel okButton;
    quillon::ButtonWithLabel cancelButton;
    quillon::Callback<EnergyBalanceNoteView, const quillon::AbstractButton&> buttonCallback;
};

#endif
