#ifndef GUI_POPUPS_ADVANCEDWIZARDPOPUP_HPP
#define GUI_POPUPS_ADVANCEDWIZARDPOPUP_HPP

#include "gui/popups/QuestionPopup.hpp"

// After the flue-gas sensor check: make further settings ("Yes") or go to the report ("No").
class AdvancedWizardPopup : public QuestionPopup
{
public:
    explicit AdvancedWizardPopup(uint16_t popupId);
    static const uint16_t BUFFER_SIZE = 100;

protected:
    void answered(bool yes) override;

private:
    quillon::WideChar messageBuffer[BUFFER_SIZE];
};

#endif
