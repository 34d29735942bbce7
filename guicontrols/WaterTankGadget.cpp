#include "guicontrols/WaterTankGadget.hpp"

#include "guicontrols/BitmapDrawing.hpp"

#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId BODY = 234;
const quillon::BitmapId MASK = 235;
const quillon::BitmapId LEFT = 236;
const quillon::BitmapId RIGHT = 237;
// The interior's rounded ends: here only the pixels inside the mask are painted.
const int16_t LAST_TOP_ROUNDED_ROW = 8;
const int16_t FIRST_BOTTOM_ROUNDED_ROW = WaterTankGadget::INTERIOR_HEIGHT - 18;
} // namespace

WaterTankGadget::WaterTankGadget(WaterTankDataProvider* provider)
    : provider(provider),
      tankX(0),
      interior(INTERIOR_X, INTERIOR_Y, INTERIOR_WIDTH, INTERIOR_HEIGHT),
      maskBitmap(MASK),
      bodyBitmap(BODY),
      leftBitmap(LEFT),
      rightBitmap(RIGHT)
{
    setTouchable(true);
    rect = Rectangle(0, 0, GADGET_WIDTH, GADGET_HEIGHT);
}

void WaterTankGadget::setTankX(int16_t x)
{
    tankX = x;
    interior.x = static_cast<int16_t>(x + INTERIOR_X);
}

void WaterTankGadget::setPosition(int16_t x, int16_t y, int16_t, int16_t)
{
    rect.x = x;
    rect.y = y;
}

void WaterTankGadget::setBitmaps(const quillon::Bitmap& released, const quillon::Bitmap& pressedBitmap)
{
    const Rectangle kept = rect;
    quillon::Button::setBitmaps(released, pressedBitmap);
    rect = kept;
}

uint32_t WaterTankGadget::levelOfRow(int16_t row) const
{
    const float ratio = static_cast<float>(provider->getColorCount()) / static_cast<float>(INTERIOR_HEIGHT);
    return static_cast<uint32_t>(static_cast<float>(row) * ratio);
}

void WaterTankGadget::draw(const Rectangle& area) const
{
    quillon::Button::draw(area);
    const int16_t bodyHeight = static_cast<int16_t>(bodyBitmap.getHeight());
    if (interior.intersects(area)) {
        drawLevels(area);
    }
    // The body reaches past the interior: it is redrawn wherever it is, or a redraw of its
    // rim would leave the rim out.
    const int16_t bodyX = static_cast<int16_t>(tankX + BODY_X);
    if (Rectangle(bodyX, 0, static_cast<int16_t>(bodyBitmap.getWidth()), bodyHeight).intersects(area)) {
        BitmapDrawing::draw(*this, bodyBitmap, bodyX, 0, area, 255);
    }
    drawSidePieces(area);
}

void WaterTankGadget::drawSidePieces(const Rectangle& area) const
{
    const int16_t sideY = static_cast<int16_t>(bodyBitmap.getHeight() - leftBitmap.getHeight());
    const int16_t rightX = static_cast<int16_t>(tankX + BODY_X + bodyBitmap.getWidth());
    BitmapDrawing::draw(*this, leftBitmap, tankX, sideY, area, 255);
    BitmapDrawing::draw(*this, rightBitmap, rightX, sideY, area, 255);
}

void WaterTankGadget::drawLevels(const Rectangle& area) const
{
    const uint32_t levels = provider != nullptr ? provider->getColorCount() : 0;
    if (levels == 0) {
        return;
    }
    Rectangle part = area & interior;
    toScreenCoordinates(part);
    part &= Rectangle(0, 0, static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH),
                      static_cast<int16_t>(quillon::HAL::SCREEN_HEIGHT));
    if (part.isEmpty()) {
        return;
    }
    Rectangle origin = interior;
    toScreenCoordinates(origin);
    const uint16_t* mask = reinterpret_cast<const uint16_t*>(maskBitmap.getData());
    const int16_t maskWidth = static_cast<int16_t>(maskBitmap.getWidth());

    quillon::HAL* hal = quillon::HAL::getInstance();
    uint16_t* frameBuffer = hal->acquireFrameBuffer();
    for (int16_t y = part.y; y < part.bottom(); ++y) {
        const int16_t row = static_cast<int16_t>(y - origin.y);
        const uint16_t color = provider->getColor(levelOfRow(row)); // one profile read per row
        uint16_t* pixel = frameBuffer + static_cast<int32_t>(y) * quillon::HAL::FB_WIDTH + part.x;
        const bool rounded = row <= LAST_TOP_ROUNDED_ROW || row >= FIRST_BOTTOM_ROUNDED_ROW;
        const uint16_t* maskRow = mask != nullptr ? mask + static_cast<int32_t>(row) * maskWidth : nullptr;
        for (int16_t x = part.x; x < part.right(); ++x, ++pixel) {
            if (!rounded || maskRow == nullptr || maskRow[x - origin.x] != 0) {
                *pixel = color;
            }
        }
    }
    hal->releaseFrameBuffer();
}
} // namespace guicontrols
