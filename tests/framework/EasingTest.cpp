#include <quillon/EasingEquations.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace quillon;

TEST(Easing, CubicOutFollowsTheGlideCurve)
{
    struct Case
    {
        uint16_t t;
        int16_t b, c;
        uint16_t d;
        int16_t expected;
    };
    const Case cases[] = {
        {0, 0, 936, 119, 0},    {1, 0, 936, 119, 23},   {2, 0, 936, 119, 46},  {10, 0, 936, 119, 217},
        {60, 0, 936, 119, 822}, {118, 0, 936, 119, 936}, {119, 0, 936, 119, 936},
        {1, 100, -144, 42, 90}, {21, 100, -144, 42, -26}, {42, 100, -144, 42, -44}, // downwards
        {1, 0, 72, 35, 6},      {17, 0, 72, 35, 62},
        {50, 0, 800, 100, 700}, // half-way is seven eighths of the change
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(Easing::cubicOut(c.t, c.b, c.c, c.d), c.expected);
    }
}

TEST(Easing, NearestInt16RoundsHalvesAwayFromZeroAndFlagsOverflow)
{
    struct Case
    {
        float f;
        int16_t expected;
    };
    const Case cases[] = {
        {2.5f, 3},          {-2.5f, -3},         {0.49f, 0},           {-0.5f, -1},        {0.0f, 0},
        {32767.4f, 32767},  {-32768.4f, -32768}, {40000.0f, -32768},   {32767.5f, -32768}, {-40000.0f, -32768},
        {std::numeric_limits<float>::quiet_NaN(), -32768},
        {std::numeric_limits<float>::infinity(), -32768},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(Easing::nearestInt16(c.f), c.expected);
    }
}

// Every curve of the set starts at b and ends at b + c, whatever its course in between.
TEST(Easing, EveryCurveRunsFromStartToStartPlusChange)
{
    typedef int16_t (*Curve)(uint16_t, int16_t, int16_t, uint16_t);
    const Curve curves[] = {
        Easing::linear,     Easing::linearIn,   Easing::linearOut,   Easing::linearInOut, Easing::quadIn,
        Easing::quadOut,    Easing::quadInOut,  Easing::cubicIn,     Easing::cubicOut,    Easing::cubicInOut,
        Easing::quartIn,    Easing::quartOut,   Easing::quartInOut,  Easing::quintIn,     Easing::quintOut,
        Easing::quintInOut, Easing::sineIn,     Easing::sineOut,     Easing::sineInOut,   Easing::circIn,
        Easing::circOut,    Easing::circInOut,  Easing::expoIn,      Easing::expoOut,     Easing::expoInOut,
        Easing::backIn,     Easing::backOut,    Easing::backInOut,   Easing::bounceIn,    Easing::bounceOut,
        Easing::bounceInOut, Easing::elasticIn, Easing::elasticOut, Easing::elasticInOut,
    };
    for (const Curve& curve : curves) {
        SCOPED_TRACE(&curve - curves);
        for (uint16_t d : {35, 42, 119}) {
            EXPECT_EQ(curve(0, -20, 300, d), -20);
            EXPECT_EQ(curve(d, -20, 300, d), 280);
            EXPECT_EQ(curve(d, 100, -144, d), -44);
        }
    }
}

TEST(Easing, CurvesHaveTheirShapeBetweenTheEnds)
{
    // At a quarter of the way: in-curves lag the straight line, out-curves lead it.
    EXPECT_EQ(Easing::linear(25, 0, 1000, 100), 250);
    EXPECT_EQ(Easing::quadIn(25, 0, 1000, 100), 63);    // 62.5 rounds up
    EXPECT_EQ(Easing::quadOut(25, 0, 1000, 100), 438);  // 437.5 rounds up
    EXPECT_EQ(Easing::quadInOut(25, 0, 1000, 100), 125);
    EXPECT_EQ(Easing::quadInOut(75, 0, 1000, 100), 875);
    EXPECT_EQ(Easing::sineOut(50, 0, 1000, 100), 707);
    EXPECT_EQ(Easing::circIn(50, 0, 1000, 100), 134);
    EXPECT_EQ(Easing::expoIn(50, 0, 1024, 100), 32);
    EXPECT_LT(Easing::backIn(10, 0, 1000, 100), 0); // overshoots backwards first
    EXPECT_GT(Easing::backOut(90, 0, 1000, 100), 1000);
    EXPECT_EQ(Easing::bounceOut(50, 0, 1000, 100), 766);
    EXPECT_EQ(Easing::bounceIn(50, 0, 1000, 100), 1000 - 766);
    EXPECT_EQ(Easing::bounceInOut(25, 0, 1000, 100), 117); // half of bounceIn(50)
}
