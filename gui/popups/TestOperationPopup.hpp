#ifndef GUI_POPUPS_TESTOPERATIONPOPUP_HPP
#define GUI_POPUPS_TESTOPERATIONPOPUP_HPP

#include "gui/popups/Popup.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>

// While a test operation runs: the boiler temperature and the burner live, and "OFF" to stop
// it. The rules close it once the device reports the test operation off.
class TestOperationPopup : public Popup
{
public:
    static const uint16_t TEMPERATURE_CAPACITY = 30;

    explicit TestOperationPopup(uint16_t popupId);

    void bind(PopupData&) override {}
    void update(PopupData& data) override;

    void buttonClicked(const quillon::AbstractButton& source);

    const guicontrols::TextField& getTemperatureLine() const { return temperatureLine; }
    const quillon::Image& getBurnerSymbol() const { return burnerSymbol; }
    const quillon::ButtonWithLabel& getOffButton() const { return offButton; }

private:
    quillon::Image icon;
    guicontrols::TextField titleText;
    guicontrols::TextField messageText;
    guicontrols::TextField temperatureLine;
    quillon::Image burnerSymbol;
    quillon::ButtonWithLabel offButton;
    quillon::WideChar temperatureText[TEMPERATURE_CAPACITY];
    quillon::Callback<TestOperationPopup, const quillon::AbstractButton&> buttonCallback;
};

#endif
