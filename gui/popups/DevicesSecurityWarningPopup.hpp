#ifndef GUI_POPUPS_DEVICESSECURITYWARNINGPOPUP_HPP
#define GUI_POPUPS_DEVICESSECURITYWARNINGPOPUP_HPP

#include "gui/popups/QuestionPopup.hpp"

// Are all components connected? "Yes" opens the detected devices of the wizard.
class DevicesSecurityWarningPopup : public QuestionPopup
{
public:
    explicit DevicesSecurityWarningPopup(uint16_t popupId);
    static const uint16_t BUFFER_SIZE = 150;

protected:
    void answered(bool yes) override;

private:
    quillon::WideChar messageBuffer[BUFFER_SIZE];
};

#endif
