#ifndef GUI_POPUPS_ABGASSENSORPOPUP_HPP
#define GUI_POPUPS_ABGASSENSORPOPUP_HPP

#include "gui/popups/Popup.hpp"
#include "gui/popups/TimerWidgetSlot.hpp"
#include "guicontrols/RotatingIcon.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/AbstractButton.hpp>
#include <quillon/widgets/Image.hpp>

// While the commissioning check of the flue-gas temperature sensor runs: a turning busy
// icon. The rules take it away when the check has passed or failed.
class AbgasSensorPopup : public Popup
{
public:
    explicit AbgasSensorPopup(uint16_t popupId);

    void bind(PopupData& data) override;
    void update(PopupData&) override {}
    void onTick() override;
    // Stops ticking and takes the popup away for good. Nothing in the panel calls it: the
    // popup gives its callback to no widget.
    virtual void finish();

    const guicontrols::RotatingIcon& getSpinner() const { return spinner; }
    bool isTicking() const { return timer.isStarted(); }

private:
    void buttonClicked(const quillon::AbstractButton&) { finish(); }

    quillon::Image icon;
    guicontrols::TextField statusText;
    guicontrols::TextField titleText;
    guicontrols::TextField waitText;
    guicontrols::RotatingIcon spinner;
    quillon::Callback<AbgasSensorPopup, const quillon::AbstractButton&> buttonCallback;
    TimerWidgetSlot timer;
};

#endif
