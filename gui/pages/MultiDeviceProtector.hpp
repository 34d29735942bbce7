#ifndef GUI_PAGES_MULTIDEVICEPROTECTOR_HPP
#define GUI_PAGES_MULTIDEVICEPROTECTOR_HPP

#include "gui/pagemanager/IPageProtector.hpp"

#include <quillon/Assert.hpp>

#include <stdint.h>

// A menu entry shown while any of its devices is present. The ids are checked at compile
// time rather than read as loose arguments: a count that does not match them stops the
// program instead of reading past the list.
class MultiDeviceProtector : public IPageProtector
{
public:
    static const uint32_t MAX_DEVICES = 10;

    template <typename... Ids>
    explicit MultiDeviceProtector(uint32_t count, Ids... ids)
        : protectedDevices{static_cast<uint32_t>(ids)...}, protectedCount(count)
    {
        static_assert(sizeof...(Ids) <= MAX_DEVICES, "at most ten devices per protector");
        QUILLON_ASSERT(count == sizeof...(Ids) && "Protector device count mismatch");
    }

    bool isAvailable() override { return anyPresent(); }
    bool isConditional() override { return true; }

protected:
    bool anyPresent() const;

private:
    uint32_t protectedDevices[MAX_DEVICES];
    uint32_t protectedCount;
};

#endif
