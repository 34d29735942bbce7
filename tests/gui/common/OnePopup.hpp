#ifndef TESTS_GUI_COMMON_ONEPOPUP_HPP
#define TESTS_GUI_COMMON_ONEPOPUP_HPP

#include "gui/popups/PopupTestScreen.hpp"

namespace frametest
{
// One popup that no rule raises or closes, the panel-lock notice, as a panel of one colour.
// Named the default factory for its lifetime; it must outlive every container built meanwhile.
class OnePopup : public IPopupFactory
{
public:
    static constexpr quillon::Color COLOR = 0x001F;

    OnePopup() { PopupContainer::setDefaultFactory(this); }
    ~OnePopup() override { PopupContainer::setDefaultFactory(nullptr); }
    Popup* getPopup(uint16_t id) override { return id == POPUP_PANEL_LOCKED ? &panelLocked : nullptr; }

    popuptest::ColourPopup panelLocked{POPUP_PANEL_LOCKED, COLOR};
};
} // namespace frametest

#endif
