#ifndef GUI_SCREENS_WIZARD_WIZZARDTUNINGGASDHWPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDTUNINGGASDHWPRESENTER_HPP

#include "gui/screens/wizard/TuningPresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The boiler and hot-water values the commissioning looks over, for the part of the system
// scheme that was touched (the scope).
class WizzardTuningGasDHWPresenter : public TuningPresenter
{
public:
    static const uint16_t MAX_OUTPUT_UNITS = 10;
    static const uint16_t TITLE_UNITS = 100;
    static const uint8_t SCOPE_DHW = 0;
    static const uint8_t SCOPE_BOILER = 1;
    static const uint8_t SCOPE_BOILER_DHW = 2;
    static const uint8_t SCOPE_NONE = 3; // no part of the scheme was handed over

    explicit WizzardTuningGasDHWPresenter(IView& view);
    ~WizzardTuningGasDHWPresenter() override {}

    void activate() override;
    uint8_t getScope() const;

    const quillon::WideChar* getMaxOutputText();
    const quillon::WideChar* getTitle();

private:
    quillon::WideChar maxOutputText[MAX_OUTPUT_UNITS];
    quillon::WideChar title[TITLE_UNITS];
};

#endif
