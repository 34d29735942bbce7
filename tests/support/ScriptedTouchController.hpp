#ifndef QUILLON_TEST_SCRIPTEDTOUCHCONTROLLER_HPP
#define QUILLON_TEST_SCRIPTEDTOUCHCONTROLLER_HPP

#include <quillon/hal/TouchController.hpp>

#include <cstddef>
#include <cstdint>
#include <deque>

namespace quillon
{
namespace test
{
// A touch panel driven by the test. Queued samples are handed out one per read; when the
// queue is empty the panel reports its held state (press() until release()), like a finger
// resting on the glass.
class ScriptedTouchController : public TouchController
{
public:
    void init() override {}
    bool sampleTouch(int32_t& x, int32_t& y) override;

    // Held state, reported whenever no queued sample is left.
    void press(int32_t x, int32_t y);
    void release();

    // One-off samples, read in order before the held state.
    void queueTouch(int32_t x, int32_t y);
    void queueNoTouch();

    bool isPressed() const { return pressed; }
    uint32_t sampleCount() const { return samples; }
    size_t queuedSamples() const { return script.size(); }

private:
    struct Sample
    {
        bool touched;
        int32_t x;
        int32_t y;
    };

    std::deque<Sample> script;
    bool pressed = false;
    int32_t heldX = 0;
    int32_t heldY = 0;
    uint32_t samples = 0;
};
} // namespace test
} // namespace quillon

#endif
