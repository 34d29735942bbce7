#include <platform/hal/simulator/sdl/HALSDL.hpp>
#include <platform/hal/simulator/sdl/SDLTouchController.hpp>

namespace quillon
{
bool SDLTouchController::sampleTouch(int32_t& x, int32_t& y)
{
    return static_cast<HALSDL*>(HAL::getInstance())->sampleTouch(x, y);
}
} // namespace quillon
