#ifndef GUI_SCREENS_SERVICE_SERVICEEXITPRESENTER_HPP
#define GUI_SCREENS_SERVICE_SERVICEEXITPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The service start-up: marks the commissioning as pending on the device side. Shows no
// device data, so it watches nothing.
class ServiceExitPresenter : public BasePresenter
{
public:
    // The commissioning request (device address 0xFF01): 1 pending, 0 finished.
    static constexpr uint32_t COMMISSIONING_REQUEST = 952;

    explicit ServiceExitPresenter(IView& view) : BasePresenter(view) {}
    ~ServiceExitPresenter() override {}

    void requestCommissioning();
};

#endif
