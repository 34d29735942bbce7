#include "TestFrame.hpp"

#include <quillon/Drawable.hpp>
#include <quillon/Screen.hpp>

#include <algorithm>

namespace quillon
{
namespace test
{
TestFrame::TestFrame(Color background, TestHAL::Buffering buffering)
    : counter(renderer, testHal), testHal(dma, counter, &touchPanel, buffering)
{
    fill(background);
}

void TestFrame::draw(const Drawable& drawable)
{
    draw(drawable, Rectangle(0, 0, drawable.getWidth(), drawable.getHeight()));
}

void TestFrame::draw(const Drawable& drawable, const Rectangle& part)
{
    drawable.draw(part);
}

void TestFrame::draw(Screen& screen)
{
    Rectangle whole(0, 0, static_cast<int16_t>(HAL::SCREEN_WIDTH), static_cast<int16_t>(HAL::SCREEN_HEIGHT));
    screen.draw(whole);
}

int TestFrame::count(Color color)
{
    return count(color, Rectangle(0, 0, static_cast<int16_t>(HAL::SCREEN_WIDTH),
                                  static_cast<int16_t>(HAL::SCREEN_HEIGHT)));
}

int TestFrame::count(Color color, const Rectangle& area)
{
    int found = 0;
    for (int16_t y = area.y; y < area.bottom(); y++) {
        for (int16_t x = area.x; x < area.right(); x++) {
            if (at(x, y) == color) {
                found++;
            }
        }
    }
    return found;
}

std::vector<Color> TestFrame::pixels()
{
    return pixels(Rectangle(0, 0, HAL::FB_WIDTH, HAL::FB_HEIGHT));
}

std::vector<Color> TestFrame::pixels(const Rectangle& area)
{
    std::vector<Color> out;
    if (area.width <= 0 || area.height <= 0) {
        return out;
    }
    out.reserve(static_cast<size_t>(area.width) * area.height);
    const Color* buffer = hal().getClientFrameBuffer();
    for (int16_t y = area.y; y < area.bottom(); y++) {
        const Color* row = buffer + static_cast<int32_t>(y) * HAL::FB_WIDTH;
        out.insert(out.end(), row + area.x, row + area.right());
    }
    return out;
}

int TestFrame::writes(int16_t x, int16_t y) const
{
    return static_cast<int>(counter.writes()[static_cast<size_t>(y) * HAL::FB_WIDTH + x]);
}

int TestFrame::maxWritesPerPixel() const
{
    const std::vector<uint32_t>& all = counter.writes();
    return static_cast<int>(*std::max_element(all.begin(), all.end()));
}

int TestFrame::totalWrites() const
{
    int total = 0;
    for (uint32_t w : counter.writes()) {
        total += static_cast<int>(w);
    }
    return total;
}

void TestFrame::click(int16_t x, int16_t y)
{
    touchPanel.queueTouch(x, y);
    touchPanel.queueNoTouch();
    testHal.frames(2);
}

void TestFrame::fill(Color color)
{
    testHal.fillBuffers(color);
    counter.resetWrites();
}
} // namespace test
} // namespace quillon
