#ifndef QUILLON_HAL_TOUCHCALIBRATION_HPP
#define QUILLON_HAL_TOUCHCALIBRATION_HPP

#include <cstdint>

namespace quillon
{
// Affine mapping from touch-panel readings to display pixels, found from three
// reference points. Off (identity) while the divider is 0.
class TouchCalibration
{
public:
    struct Point
    {
        int32_t x;
        int32_t y;
    };

    TouchCalibration();

    void apply(Point& point) const;
    void setFromPoints(const Point display[3], const Point touch[3]);
    bool isActive() const { return div != 0; }

    static TouchCalibration& global();

private:
    // 64-bit: products of 12-bit panel readings and display coordinates overflow 32 bits.
    int64_t ca, cb, cc, cd, ce, cf;
    int64_t div;
};
} // namespace quillon

#endif
