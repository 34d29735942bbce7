#ifndef TESTS_FRAMEWORK_SCENETESTSUPPORT_HPP
#define TESTS_FRAMEWORK_SCENETESTSUPPORT_HPP

#include "framework/PrintRectangle.hpp"

#include <gtest/gtest.h>
#include <quillon/Application.hpp>
#include <quillon/Widget.hpp>
#include <quillon/hal/Types.hpp>

#include <algorithm>
#include <ostream>
#include <vector>

namespace scenetest
{
using quillon::Rectangle;

// An 800 x 480 frame that remembers the last colour and the number of writes per pixel.
class TestFrame
{
public:
    static const int WIDTH = 800;
    static const int HEIGHT = 480;

    explicit TestFrame(quillon::Color background)
        : colors(WIDTH * HEIGHT, background), writes(WIDTH * HEIGHT, 0)
    {
    }

    // Callers pass display coordinates; pixels off the frame are counted as an error.
    void fill(const Rectangle& area, quillon::Color color)
    {
        for (int y = area.y; y < area.bottom(); ++y) {
            for (int x = area.x; x < area.right(); ++x) {
                if (x < 0 || y < 0 || x >= WIDTH || y >= HEIGHT) {
                    ++offFrameWrites;
                    continue;
                }
                colors[y * WIDTH + x] = color;
                ++writes[y * WIDTH + x];
            }
        }
    }

    quillon::Color at(int x, int y) const { return colors[y * WIDTH + x]; }
    int writesAt(int x, int y) const { return writes[y * WIDTH + x]; }
    int maxWritesPerPixel() const { return *std::max_element(writes.begin(), writes.end()); }
    int minWritesPerPixel() const { return *std::min_element(writes.begin(), writes.end()); }
    long totalWrites() const
    {
        long total = 0;
        for (int w : writes) {
            total += w;
        }
        return total;
    }
    bool sameColors(const TestFrame& other) const { return colors == other.colors; }

    int offFrameWrites = 0;

private:
    std::vector<quillon::Color> colors;
    std::vector<int> writes;
};

// A filled rectangle, opaque over a chosen part (own coordinates), that logs each draw.
class TestBox : public quillon::Widget
{
public:
    TestBox(TestFrame* frame = nullptr, quillon::Color color = 0) : frame(frame), color(color), opaque() {}

    void draw(const Rectangle& area) const override
    {
        draws.push_back(area);
        if (frame != nullptr) {
            Rectangle absolute = area;
            toScreenCoordinates(absolute);
            frame->fill(absolute, color);
        }
    }
    Rectangle getOpaqueArea() const override { return opaque; }

    void setOpaqueArea(const Rectangle& area) { opaque = area; }
    void setOpaque() { opaque = Rectangle(0, 0, getWidth(), getHeight()); }

    TestFrame* frame;
    quillon::Color color;
    Rectangle opaque;
    mutable std::vector<Rectangle> draws;
};

// Registers itself as the application and records every area that reaches it.
class RecordingApplication : public quillon::Application
{
public:
    RecordingApplication() { instance = this; }

    void invalidateScreenArea(Rectangle& area) override { received.push_back(area); }

    std::vector<Rectangle> received;
};
} // namespace scenetest

#endif
