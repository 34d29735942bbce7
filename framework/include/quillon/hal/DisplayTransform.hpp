#ifndef QUILLON_HAL_DISPLAYTRANSFORM_HPP
#define QUILLON_HAL_DISPLAYTRANSFORM_HPP

#include <quillon/hal/Types.hpp>

#include <cstdint>

namespace quillon
{
// Maps between logical (drawing and touch) coordinates and the native frame buffer
// when the display is used rotated. Identities while the orientation is native.
class DisplayTransform
{
public:
    static void touchToLogical(int16_t& x, int16_t& y);
    static void pointToFrameBuffer(int16_t& x, int16_t& y, const Rectangle& frame);
    static void pointToFrameBuffer(int16_t& x, int16_t& y);
    static void rectToFrameBuffer(Rectangle& r, const Rectangle& frame);
    static void rectToFrameBuffer(Rectangle& r);
};
} // namespace quillon

#endif
