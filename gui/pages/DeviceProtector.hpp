#ifndef GUI_PAGES_DEVICEPROTECTOR_HPP
#define GUI_PAGES_DEVICEPROTECTOR_HPP

#include "gui/pagemanager/IPageProtector.hpp"

#include <stdint.h>

// A menu entry shown only while its device is present.
class DeviceProtector : public IPageProtector
{
public:
    explicit DeviceProtector(uint32_t device) : protectedDevice(device) {}

    bool isAvailable() override;
    bool isConditional() override { return true; }

private:
    uint32_t protectedDevice;
};

#endif
