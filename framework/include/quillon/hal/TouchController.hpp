#ifndef QUILLON_HAL_TOUCHCONTROLLER_HPP
#define QUILLON_HAL_TOUCHCONTROLLER_HPP

#include <cstdint>

namespace quillon
{
// A touch panel driver, sampled once per frame by the HAL.
class TouchController
{
public:
    virtual ~TouchController() {}
    virtual void init() = 0;
    // True while the panel is touched, with the position in x and y.
    [[nodiscard]] virtual bool sampleTouch(int32_t& x, int32_t& y) = 0;
};
} // namespace quillon

#endif
