#ifndef QUILLON_PLATFORM_HAL_SIMULATOR_SDL_SDLTOUCHCONTROLLER_HPP
#define QUILLON_PLATFORM_HAL_SIMULATOR_SDL_SDLTOUCHCONTROLLER_HPP

#include <quillon/hal/TouchController.hpp>

namespace quillon
{
// The mouse as touch panel: reads what the SDL host's event loop recorded.
// The HAL singleton must be a HALSDL.
class SDLTouchController : public TouchController
{
public:
    void init() override {}
    bool sampleTouch(int32_t& x, int32_t& y) override;
};
} // namespace quillon

#endif
