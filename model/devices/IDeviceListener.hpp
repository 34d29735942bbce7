#ifndef MODEL_DEVICES_IDEVICELISTENER_HPP
#define MODEL_DEVICES_IDEVICELISTENER_HPP

#include <stdint.h>

namespace model
{
// Told of every real presence change, on the task that stored the device value.
class IDeviceListener
{
public:
    enum Change : uint32_t
    {
        DEVICE_ADDED = 0,
        DEVICE_REMOVED = 1,
    };

    virtual void onDeviceChanged(uint32_t deviceId, uint32_t change) = 0;
    virtual ~IDeviceListener() {}
};
} // namespace model

#endif
