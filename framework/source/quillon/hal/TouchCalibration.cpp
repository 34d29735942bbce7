#include <quillon/hal/TouchCalibration.hpp>

namespace quillon
{
namespace
{
// Nearest integer to numerator / divider; halves round up.
int32_t roundedQuotient(int64_t numerator, int64_t divider)
{
    if (divider < 0) {
        numerator = -numerator;
        divider = -divider;
    }
    int64_t shifted = numerator + divider / 2;
    int64_t quotient = shifted / divider;
    if (shifted % divider != 0 && shifted < 0) {
        quotient -= 1; // floor, not truncation
    }
    return static_cast<int32_t>(quotient);
}
} // namespace

TouchCalibration::TouchCalibration() : ca(0), cb(0), cc(0), cd(0), ce(0), cf(0), div(0)
{
}

TouchCalibration& TouchCalibration::global()
{
    static TouchCalibration calibration;
    return calibration;
}

void TouchCalibration::apply(Point& point) const
{
    if (div == 0) {
        return;
    }
    const int64_t x = point.x;
    const int64_t y = point.y;
    point.x = roundedQuotient(ca * x + cb * y + cc, div);
    point.y = roundedQuotient(cd * x + ce * y + cf, div);
}

void TouchCalibration::setFromPoints(const Point display[3], const Point touch[3])
{
    *this = TouchCalibration();
    const int64_t xd0 = display[0].x, yd0 = display[0].y;
    const int64_t xd1 = display[1].x, yd1 = display[1].y;
    const int64_t xd2 = display[2].x, yd2 = display[2].y;
    const int64_t xs0 = touch[0].x, ys0 = touch[0].y;
    const int64_t xs1 = touch[1].x, ys1 = touch[1].y;
    const int64_t xs2 = touch[2].x, ys2 = touch[2].y;

    div = (xs0 - xs2) * (ys1 - ys2) - (xs1 - xs2) * (ys0 - ys2);
    ca = (xd0 - xd2) * (ys1 - ys2) - (xd1 - xd2) * (ys0 - ys2);
    cb = (xs0 - xs2) * (xd1 - xd2) - (xd0 - xd2) * (xs1 - xs2);
    cc = ys0 * (xs2 * xd1 - xs1 * xd2) + ys1 * (xs0 * xd2 - xs2 * xd0) + ys2 * (xs1 * xd0 - xs0 * xd1);
    cd = (yd0 - yd2) * (ys1 - ys2) - (yd1 - yd2) * (ys0 - ys2);
    ce = (xs0 - xs2) * (yd1 - yd2) - (yd0 - yd2) * (xs1 - xs2);
    cf = ys0 * (xs2 * yd1 - xs1 * yd2) + ys1 * (xs0 * yd2 - xs2 * yd0) + ys2 * (xs1 * yd0 - xs0 * yd1);
}
} // namespace quillon
