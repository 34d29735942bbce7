#ifndef GUI_PAGEMANAGER_DEVICEGROUP_HPP
#define GUI_PAGEMANAGER_DEVICEGROUP_HPP

#include "gui/pagemanager/IDeviceGroup.hpp"

#include <stdint.h>

// A fixed list of N device ids.
template <int N>
class DeviceGroup : public IDeviceGroup
{
public:
    // An index outside the group answers this id.
    static constexpr uint32_t OUTSIDE_GROUP = 84;

    template <typename... More>
    explicit DeviceGroup(uint32_t first, More... more) : ids{first, static_cast<uint32_t>(more)...}
    {
        static_assert(sizeof...(More) + 1 == N, "a device group is given exactly its N ids");
    }

    int count() override { return N; }
    uint32_t get(int index) override { return index >= 0 && index < N ? ids[index] : OUTSIDE_GROUP; }

private:
    uint32_t ids[N];
};

#endif
