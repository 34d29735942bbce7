#ifndef GUI_SCREENS_MENU_HCSELECTIONPRESENTER_HPP
#define GUI_SCREENS_MENU_HCSELECTIONPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

namespace pagemanager
{
class Page;
}

// The choice of a heating circuit before a screen that works on one: which circuits exist,
// their names, and where the choice leads (from the page's selection descriptor).
class HCSelectionPresenter : public BasePresenter
{
public:
    static const uint8_t MODE_HEATING = 0;
    static const uint8_t MODE_DHW_TIME_PROGRAM = 1;
    static const uint8_t MODE_CIRCULATION_TIME_PROGRAM = 2;
    static const uint8_t CIRCUITS = 3;

    explicit HCSelectionPresenter(IView& view);
    ~HCSelectionPresenter() override {}

    void activate() override;
    virtual bool isCircuitAvailable(uint8_t index);

    // Stores the circuit for the screens after this one, then opens the target.
    void selectCircuit(uint8_t index);
    uint8_t getMode() const { return mode; }
    const quillon::WideChar* getTitle() const;
    const quillon::WideChar* getHelpText() const { return help; }
    // The circuit's own name, else "Heating circuit n"; empty past the third.
    const quillon::WideChar* getCircuitName(uint8_t index) const;

protected:
    bool isDevicePresent(uint32_t device) const;

private:
    static const uint16_t TITLE_UNITS = 100;

    pagemanager::Page* target;
    uint8_t mode;
    const quillon::WideChar* title;
    const quillon::WideChar* help;
    quillon::WideChar titleBuffer[TITLE_UNITS];
};

#endif
