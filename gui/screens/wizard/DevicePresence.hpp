#ifndef GUI_SCREENS_WIZARD_DEVICEPRESENCE_HPP
#define GUI_SCREENS_WIZARD_DEVICEPRESENCE_HPP

#include "model/devices/DeviceManager.hpp"

#include <initializer_list>
#include <stdint.h>

// Whether at least one of the devices is present: the lists' conditions are mostly of this form.
inline bool isAnyPresent(const model::DeviceManager& devices, std::initializer_list<uint32_t> ids)
{
    for (uint32_t id : ids) {
        if (devices.isPresent(id)) {
            return true;
        }
    }
    return false;
}

#endif
