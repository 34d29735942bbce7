#ifndef GUI_POPUPS_SCHEMETIMEOUTPOPUP_HPP
#define GUI_POPUPS_SCHEMETIMEOUTPOPUP_HPP

#include "gui/popups/QuestionPopup.hpp"

// After the system scheme was detected: fine-tune it now ("Yes") or go to the report ("No").
class SchemeTimeoutPopup : public QuestionPopup
{
public:
    explicit SchemeTimeoutPopup(uint16_t popupId);
    static const uint16_t BUFFER_SIZE = 150;

protected:
    void answered(bool yes) override;

private:
    quillon::WideChar messageBuffer[BUFFER_SIZE];
};

#endif
