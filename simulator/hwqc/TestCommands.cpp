#include "simulator/hwqc/ProductionTest.hpp"

#include "helpers/BoardWrappers.hpp"
#include "simulator/board/Board.hpp"

#include <rtos/Rtos.hpp>

namespace
{
constexpr std::uint16_t RED = 0xF800;
constexpr std::uint16_t GREEN = 0x07E0;
constexpr std::uint16_t BLUE = 0x001F;
constexpr std::uint16_t WHITE = 0xFFFF;
constexpr std::uint32_t PIXEL_COUNT = static_cast<std::uint32_t>(HWQC_SCREEN_WIDTH) * HWQC_SCREEN_HEIGHT;
constexpr std::uint32_t END_OF_TEST_DELAY_TICKS = 100;
constexpr std::uint8_t VARIANT_DEFAULT = 5;
constexpr std::uint8_t VARIANT_ALTERNATIVE = 4;

std::uint8_t variant = VARIANT_DEFAULT;

std::uint16_t u16At(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t u32At(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// First colour where both cell indexes are even or both odd.
void drawCheckerboard(std::uint16_t* pixels, std::uint16_t cellWidth, std::uint16_t cellHeight, std::uint16_t first,
                      std::uint16_t second)
{
    for (std::uint32_t y = 0; y < HWQC_SCREEN_HEIGHT; y++) {
        for (std::uint32_t x = 0; x < HWQC_SCREEN_WIDTH; x++) {
            const bool odd = ((x / cellWidth) + (y / cellHeight)) % 2 != 0;
            pixels[y * HWQC_SCREEN_WIDTH + x] = odd ? second : first;
        }
    }
}
} // namespace

std::uint8_t hwqcVariant()
{
    return variant;
}

std::uint8_t hwqcEnquiry(const std::uint8_t*)
{
    return HWQC_OK;
}

std::uint8_t hwqcEndOfTransmission(const std::uint8_t*)
{
    hwqcSendAnswer(HWQC_OK);
    rtosTaskDelay(END_OF_TEST_DELAY_TICKS);
    boardAfterTestEnd();
    return HWQC_OK;
}

// The drawing commands need the board's frame buffer; without one they draw nothing.
std::uint8_t hwqcFillScreen(const std::uint8_t* payload)
{
    std::uint16_t* pixels = hwqcFrameBuffer();
    if (pixels == nullptr) {
        return HWQC_FAILED;
    }
    const std::uint16_t color = u16At(payload);
    for (std::uint32_t i = 0; i < PIXEL_COUNT; i++) {
        pixels[i] = color;
    }
    return HWQC_OK;
}

std::uint8_t hwqcTestPattern(const std::uint8_t* payload)
{
    std::uint16_t* pixels = hwqcFrameBuffer();
    if (pixels == nullptr) {
        return HWQC_FAILED;
    }
    switch (payload[0]) {
    case 0:
        drawCheckerboard(pixels, 10, 10, RED, GREEN);
        break;
    case 1:
        drawCheckerboard(pixels, 30, 30, RED, BLUE);
        break;
    default:
        drawCheckerboard(pixels, 50, 20, RED, BLUE);
        break;
    }
    return HWQC_OK;
}

std::uint8_t hwqcSetPixel(const std::uint8_t* payload)
{
    std::uint16_t* pixels = hwqcFrameBuffer();
    const std::uint16_t x = u16At(payload);
    const std::uint16_t y = u16At(payload + 2);
    // The station's coordinates are not trusted: off the screen nothing is written.
    if (pixels == nullptr || x >= HWQC_SCREEN_WIDTH || y >= HWQC_SCREEN_HEIGHT) {
        return HWQC_FAILED;
    }
    pixels[x + y * HWQC_SCREEN_WIDTH] = WHITE;
    return HWQC_OK;
}

std::uint8_t hwqcCommand40(const std::uint8_t*)
{
    return HWQC_OK;
}

std::uint8_t hwqcCommand41(const std::uint8_t*)
{
    return HWQC_OK;
}

std::uint8_t hwqcSetBrightness(const std::uint8_t* payload)
{
    helpers::setBacklight(payload[0]);
    return HWQC_OK;
}

std::uint8_t hwqcBuzzer(const std::uint8_t* payload)
{
    boardBuzzerSetTone(static_cast<std::uint32_t>(payload[0]) * 1000, 50);
    boardBuzzerSetParameter(payload[1]);
    boardBuzzerBeep();
    return HWQC_OK;
}

std::uint8_t hwqcCommand60(const std::uint8_t*)
{
    return HWQC_FAILED;
}

std::uint8_t hwqcCommand61(const std::uint8_t*)
{
    return HWQC_FAILED;
}

// Only the command's own byte decides; the bytes after it are left from earlier frames.
std::uint8_t hwqcSetVariant(const std::uint8_t* payload)
{
    if (payload[0] != VARIANT_ALTERNATIVE && payload[0] != VARIANT_DEFAULT) {
        return HWQC_FAILED;
    }
    variant = payload[0];
    return HWQC_OK;
}

std::uint8_t hwqcSetClock(const std::uint8_t* payload)
{
    return helpers::writeRtc(helpers::DateTime(u32At(payload))) ? HWQC_OK : HWQC_FAILED;
}

std::uint8_t hwqcCheckClock(const std::uint8_t* payload)
{
    helpers::DateTime now;
    if (!helpers::readRtc(now)) {
        return HWQC_FAILED;
    }
    const std::int32_t difference = static_cast<std::int32_t>(u32At(payload) - now.getTimestamp());
    return difference > -2 && difference < 2 ? HWQC_OK : HWQC_FAILED;
}

std::uint8_t hwqcMeasure(const std::uint8_t*)
{
    return static_cast<std::uint8_t>(helpers::readMeasurement0() / 1000);
}

const HwqcCommand hwqcCommandTable[HWQC_COMMAND_COUNT] = {
    {0x05, 0, hwqcEnquiry},
    {0x04, 0, hwqcEndOfTransmission},
    {0x11, 2, hwqcFillScreen},
    {0x12, 1, hwqcTestPattern},
    {0x13, 4, hwqcSetPixel},
    {0x40, 0, hwqcCommand40},
    {0x41, 0, hwqcCommand41},
    {0x50, 1, hwqcSetBrightness},
    {0x51, 2, hwqcBuzzer},
    {0x60, 5, hwqcCommand60},
    {0x61, 4, hwqcCommand61},
    {0x62, 1, hwqcSetVariant},
    {0x70, 4, hwqcSetClock},
    {0x71, 4, hwqcCheckClock},
    {0x80, 0, hwqcMeasure},
};
