#ifndef GUI_SCREENS_WIZARD_TUNINGPRESENTER_HPP
#define GUI_SCREENS_WIZARD_TUNINGPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <initializer_list>
#include <stdint.h>

// What the commissioning tuning screens share: their lists follow the watched values and the
// set of present devices.
class TuningPresenter : public BasePresenter
{
public:
    explicit TuningPresenter(IView& view) : BasePresenter(view) {}
    ~TuningPresenter() override {}

    void deactivate() override;
    // A watched value or, as each screen watches it, the set of present devices changed.
    bool hasDataChanged() override { return watchedChanged(); }
    bool isAvailable(uint32_t deviceFlag) const;
    bool isAnyAvailable(std::initializer_list<uint32_t> deviceFlags) const;
    // What the lists show; the screens pick their values from several groups.
    model::ParameterGroups& groups() const { return getModel()->getGroups(); }
};

#endif
