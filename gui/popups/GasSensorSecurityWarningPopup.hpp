#ifndef GUI_POPUPS_GASSENSORSECURITYWARNINGPOPUP_HPP
#define GUI_POPUPS_GASSENSORSECURITYWARNINGPOPUP_HPP

#include "gui/popups/QuestionPopup.hpp"

// Before the flue-gas sensor check of commissioning: is the system filled and its wiring checked? "Yes" starts the check, or asks about further settings when it cannot start.
class GasSensorSecurityWarningPopup : public QuestionPopup
{
public:
    explicit GasSensorSecurityWarningPopup(uint16_t popupId);
    static const uint16_t BUFFER_SIZE = 100;

    const quillon::WideChar* getQuestion() const { return messageBuffer; }
protected:
    void answered(bool yes) override;

private:
    quillon::WideChar messageBuffer[BUFFER_SIZE];
};

#endif
