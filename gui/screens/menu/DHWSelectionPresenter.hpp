#ifndef GUI_SCREENS_MENU_DHWSELECTIONPRESENTER_HPP
#define GUI_SCREENS_MENU_DHWSELECTIONPRESENTER_HPP

#include "gui/screens/menu/HCSelectionPresenter.hpp"

// The same choice counted by the hot-water devices; each is named after its heating circuit.
class DHWSelectionPresenter : public HCSelectionPresenter
{
public:
    static const uint32_t FIRST_DHW_DEVICE = 9;

    explicit DHWSelectionPresenter(IView& view) : HCSelectionPresenter(view) {}
    ~DHWSelectionPresenter() override {}

    bool isCircuitAvailable(uint8_t index) override
    {
        return index < CIRCUITS && isDevicePresent(FIRST_DHW_DEVICE + index);
    }
};

#endif
