#include "WindowIcon.hpp"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

TEST(WindowIcon, IsA128By128XpmWithTwoCharactersPerPixel)
{
    const char* const* xpm = windowIconXpm();
    int width = 0;
    int height = 0;
    int colours = 0;
    int charsPerPixel = 0;
    ASSERT_EQ(std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &charsPerPixel), 4);
    EXPECT_EQ(width, 128);
    EXPECT_EQ(height, 128);
    EXPECT_EQ(charsPerPixel, 2);
    EXPECT_GT(colours, 16);
    EXPECT_LE(colours, 209);

    std::set<std::string> keys;
    for (int i = 1; i <= colours; ++i) {
        keys.insert(std::string(xpm[i], 2));
    }
    EXPECT_EQ(static_cast<int>(keys.size()), colours);
    for (int row = 0; row < height; ++row) {
        const std::string line = xpm[1 + colours + row];
        ASSERT_EQ(line.size(), 256u) << row;
        for (size_t x = 0; x < line.size(); x += 2) {
            ASSERT_EQ(keys.count(line.substr(x, 2)), 1u) << row;
        }
    }
}

TEST(WindowIcon, DecodesWithSdlImage)
{
    SDL_Surface* icon = IMG_ReadXPMFromArray(const_cast<char**>(windowIconXpm()));
    ASSERT_NE(icon, nullptr) << IMG_GetError();
    EXPECT_EQ(icon->w, 128);
    EXPECT_EQ(icon->h, 128);
    SDL_FreeSurface(icon);
}

} // namespace
