#ifndef TESTS_FRAMEWORK_PRINTRECTANGLE_HPP
#define TESTS_FRAMEWORK_PRINTRECTANGLE_HPP

#include <quillon/hal/Types.hpp>

#include <ostream>

namespace quillon
{
// Lets the test macros print a rectangle.
inline void PrintTo(const Rectangle& r, std::ostream* os)
{
    *os << r.x << ", " << r.y << ", " << r.width << ", " << r.height;
}
} // namespace quillon

#endif
