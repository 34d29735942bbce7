#ifndef GUICONTROLS_TESTS_WIDGETFIXTURE_HPP
#define GUICONTROLS_TESTS_WIDGETFIXTURE_HPP

#include <BitmapDatabase.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <support/TestApplication.hpp>
#include <support/TestFrame.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace guicontrols
{
namespace test
{
// A colour no widget of the library draws.
const quillon::Color SENTINEL = 0x1234;

inline std::u16string u16(const quillon::WideChar* units)
{
    return std::u16string(reinterpret_cast<const char16_t*>(units));
}

inline const quillon::WideChar* w(const char16_t* text)
{
    return reinterpret_cast<const quillon::WideChar*>(text);
}

// The whole display, copied out for comparing two ways of drawing.
inline std::vector<quillon::Color> snapshot(quillon::test::TestFrame& frame)
{
    std::vector<quillon::Color> pixels = frame.pixels();
    return pixels;
}

// Pixels that differ between two snapshots, as a bounding box (empty when none differ).
inline quillon::Rectangle differenceBounds(const std::vector<quillon::Color>& a, const std::vector<quillon::Color>& b)
{
    int minX = 800, minY = 480, maxX = -1, maxY = -1;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (a[y * 800 + x] != b[y * 800 + x]) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    if (maxX < 0) {
        return quillon::Rectangle();
    }
    return quillon::Rectangle(static_cast<int16_t>(minX), static_cast<int16_t>(minY),
                              static_cast<int16_t>(maxX - minX + 1), static_cast<int16_t>(maxY - minY + 1));
}

// The generated texts (English), fonts and bitmaps, a frame buffer filled with SENTINEL and
// an application that receives the frame's ticks and touches.
class WidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BitmapDatabase::registerDatabase();
        assets::registerGeneratedTexts();
        quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
        frame.hal().setListener(&application);
    }

    // What the widget draws alone, on a fresh sentinel background.
    std::vector<quillon::Color> drawn(const quillon::Drawable& widget)
    {
        frame.fill(SENTINEL);
        frame.draw(widget);
        return snapshot(frame);
    }

    // The same widget redrawn in the given parts (own coordinates), one after another.
    std::vector<quillon::Color> drawnInParts(const quillon::Drawable& widget,
                                             const std::vector<quillon::Rectangle>& parts)
    {
        frame.fill(SENTINEL);
        for (const quillon::Rectangle& part : parts) {
            frame.draw(widget, part);
        }
        return snapshot(frame);
    }

    // Horizontal bands of the given height over a widget of the given size, plus a
    // vertical split: the cuts a partial redraw makes.
    static std::vector<quillon::Rectangle> bands(int16_t width, int16_t height, int16_t bandHeight)
    {
        std::vector<quillon::Rectangle> parts;
        for (int16_t y = 0; y < height; y = static_cast<int16_t>(y + bandHeight)) {
            const int16_t h = static_cast<int16_t>(std::min<int>(bandHeight, height - y));
            const int16_t half = static_cast<int16_t>(width / 2 - 3);
            parts.push_back(quillon::Rectangle(0, y, half, h));
            parts.push_back(quillon::Rectangle(half, y, static_cast<int16_t>(width - half), h));
        }
        return parts;
    }

    quillon::test::TestFrame frame{SENTINEL};
    quillon::test::TestApplication application;
};
} // namespace test
} // namespace guicontrols

#endif
