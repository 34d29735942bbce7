#include "simulator/main/PlaceholderScreen.hpp"

#include "support/TestFrame.hpp"

#include "BitmapDatabase.hpp"

#include <assets/GeneratedTexts.hpp>
#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Bitmap.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

#include <vector>

// The placeholder screen on the headless display stack with the real assets, driven by
// touches and frames as the GUI task drives it.
namespace
{
using quillon::Rectangle;

class PlaceholderScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        quillon::Bitmap::registerBitmapDatabase(BitmapDatabase::getTable(), BitmapDatabase::getCount(), nullptr, 0);
        quillon::TypedText::registerLanguageTable(&languageTable);
        quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
        quillon::FontRegistry::setProvider(&fonts);
        frame.hal().setListener(&application);
        application.show(screen);
    }

    std::vector<uint16_t> pixels(const Rectangle& area)
    {
        std::vector<uint16_t> result;
        for (int16_t y = area.y; y < area.y + area.height; y++) {
            for (int16_t x = area.x; x < area.x + area.width; x++) {
                result.push_back(frame.at(x, y));
            }
        }
        return result;
    }

    quillon::test::TestFrame frame{0x1234};
    quillon::LanguageTable languageTable{assets::textDatabase()};
    ApplicationFontProvider fonts;
    PlaceholderApplication application;
    PlaceholderScreen screen;
};

TEST_F(PlaceholderScreenTest, ComesInWithTheFirstFrame)
{
    EXPECT_EQ(frame.count(0x1234), 800 * 480);
    frame.frames(1);
    EXPECT_EQ(frame.count(0x1234), 0); // the whole display was drawn
    EXPECT_EQ(frame.at(790, 5), 0x3186);   // header
    EXPECT_EQ(frame.at(790, 475), 0xFFFF); // background
}

TEST_F(PlaceholderScreenTest, AClickTogglesWhatTheButtonShows)
{
    frame.frames(1);
    const Rectangle button = PlaceholderScreen::BUTTON_AREA;
    const std::vector<uint16_t> off = pixels(button);
    const std::vector<uint16_t> outside = pixels(Rectangle(0, 0, 560, 480));

    frame.click(int16_t(button.x + 70), int16_t(button.y + 35));
    frame.frames(1);
    EXPECT_TRUE(screen.isSwitchedOn());
    const std::vector<uint16_t> on = pixels(button);
    EXPECT_NE(on, off);
    EXPECT_EQ(pixels(Rectangle(0, 0, 560, 480)), outside);

    frame.click(int16_t(button.x + 70), int16_t(button.y + 35));
    frame.frames(1);
    EXPECT_FALSE(screen.isSwitchedOn());
    EXPECT_EQ(pixels(button), off);

    frame.click(10, 300); // beside the button: nothing toggles
    EXPECT_FALSE(screen.isSwitchedOn());
}

TEST_F(PlaceholderScreenTest, DraggingTheSamplesScrollsThem)
{
    frame.frames(1);
    const Rectangle area = PlaceholderScreen::SCROLL_AREA;
    const std::vector<uint16_t> before = pixels(area);
    const std::vector<uint16_t> header = pixels(Rectangle(0, 0, 800, 70));
    for (int16_t y = 400; y >= 150; y = int16_t(y - 25)) {
        frame.touch().press(250, y);
        frame.frames(1);
    }
    frame.touch().release();
    frame.frames(40);
    EXPECT_NE(pixels(area), before);
    EXPECT_EQ(pixels(Rectangle(0, 0, 800, 70)), header); // the samples stay inside their area
}
} // namespace
