#ifndef GUI_SCREENS_WIZARD_WIZARDREPORTSETTINGSPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZARDREPORTSETTINGSPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <initializer_list>
#include <stdint.h>

// The settings the commissioning made, as the table holds them when the list is built.
// Watches nothing: the list does not change while it is shown.
class WizardReportSettingsPresenter : public BasePresenter
{
public:
    static const uint8_t UNDERFLOOR_TYPE = 1;

    explicit WizardReportSettingsPresenter(IView& view) : BasePresenter(view) {}
    ~WizardReportSettingsPresenter() override {}

    bool isAvailable(uint32_t deviceFlag) const;
    bool isAnyAvailable(std::initializer_list<uint32_t> deviceFlags) const;
    // What the list shows, from several groups.
    model::ParameterGroups& groups() const { return getModel()->getGroups(); }
    // Circuit 0..2.
    bool isUnderfloorCircuit(uint8_t circuit) const;
};

#endif
