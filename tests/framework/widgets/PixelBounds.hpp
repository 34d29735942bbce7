#ifndef QUILLON_TESTS_PIXELBOUNDS_HPP
#define QUILLON_TESTS_PIXELBOUNDS_HPP

#include <quillon/hal/HAL.hpp>
#include <support/TestFrame.hpp>

namespace quillon
{
namespace test
{
// The smallest rectangle holding every pixel of the colour; empty when there is none.
inline Rectangle boundsOf(TestFrame& frame, Color color)
{
    Rectangle bounds;
    for (int16_t y = 0; y < static_cast<int16_t>(HAL::SCREEN_HEIGHT); ++y) {
        for (int16_t x = 0; x < static_cast<int16_t>(HAL::SCREEN_WIDTH); ++x) {
            if (frame.at(x, y) == color) {
                bounds.expandToFit(Rectangle(x, y, 1, 1));
            }
        }
    }
    return bounds;
}
} // namespace test
} // namespace quillon

#endif
