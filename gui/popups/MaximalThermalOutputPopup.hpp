#ifndef GUI_POPUPS_MAXIMALTHERMALOUTPUTPOPUP_HPP
#define GUI_POPUPS_MAXIMALTHERMALOUTPUTPOPUP_HPP

#include "gui/popups/QuestionPopup.hpp"

// Whether to set the maximum thermal output now. Raised by nothing yet; ready for the screen that will.
class MaximalThermalOutputPopup : public QuestionPopup
{
public:
    explicit MaximalThermalOutputPopup(uint16_t popupId);
    static const uint16_t BUFFER_SIZE = 200;

protected:
    void answered(bool yes) override;

private:
    quillon::WideChar messageBuffer[BUFFER_SIZE];
};

#endif
