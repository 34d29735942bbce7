#include "ScriptedTouchController.hpp"

namespace quillon
{
namespace test
{
bool ScriptedTouchController::sampleTouch(int32_t& x, int32_t& y)
{
    samples++;
    if (!script.empty()) {
        const Sample sample = script.front();
        script.pop_front();
        x = sample.x;
        y = sample.y;
        return sample.touched;
    }
    x = heldX;
    y = heldY;
    return pressed;
}

void ScriptedTouchController::press(int32_t x, int32_t y)
{
    pressed = true;
    heldX = x;
    heldY = y;
}

void ScriptedTouchController::release()
{
    pressed = false;
}

void ScriptedTouchController::queueTouch(int32_t x, int32_t y)
{
    script.push_back(Sample{true, x, y});
}

void ScriptedTouchController::queueNoTouch()
{
    script.push_back(Sample{false, 0, 0});
}
} // namespace test
} // namespace quillon
