#ifndef GUI_POPUPS_FILLINGVENTINGPOPUP_HPP
#define GUI_POPUPS_FILLINGVENTINGPOPUP_HPP

#include "gui/popups/QuestionPopup.hpp"

// Whether to run filling or venting: the filling and venting screens set the mode and raise it.
class FillingVentingPopup : public QuestionPopup
{
public:
    explicit FillingVentingPopup(uint16_t popupId);

    static constexpr uint8_t MODE_NONE = 0;
    static constexpr uint8_t MODE_VENTING = 1;
    static constexpr uint8_t MODE_FILLING = 2;

    // A mode above MODE_FILLING is ignored: the previous one stays.
    static void setMode(uint8_t mode);
    static uint8_t getMode() { return fillingVentingMode; }

    void bind(PopupData& data) override;
protected:
    void answered(bool yes) override;

private:
    // For the whole run: the last mode a screen set.
    static uint8_t fillingVentingMode;
};

#endif
