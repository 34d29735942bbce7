#ifndef GUI_PAGEMANAGER_IDEVICEGROUP_HPP
#define GUI_PAGEMANAGER_IDEVICEGROUP_HPP

#include <stdint.h>

// The devices a selection page chooses among.
class IDeviceGroup
{
public:
    virtual ~IDeviceGroup() {}
    virtual int count() = 0;
    virtual uint32_t get(int index) = 0;
};

#endif
