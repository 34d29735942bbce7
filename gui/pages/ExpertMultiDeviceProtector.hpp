#ifndef GUI_PAGES_EXPERTMULTIDEVICEPROTECTOR_HPP
#define GUI_PAGES_EXPERTMULTIDEVICEPROTECTOR_HPP

#include "gui/pages/MultiDeviceProtector.hpp"

// As MultiDeviceProtector, and only while device 7 is present as well.
class ExpertMultiDeviceProtector : public MultiDeviceProtector
{
public:
    static const uint32_t EXPERT_DEVICE = 7;

    template <typename... Ids>
    explicit ExpertMultiDeviceProtector(uint32_t count, Ids... ids) : MultiDeviceProtector(count, ids...)
    {
    }

    bool isAvailable() override;
};

#endif
