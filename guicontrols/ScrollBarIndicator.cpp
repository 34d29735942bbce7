#include "guicontrols/ScrollBarIndicator.hpp"

#include "guicontrols/BitmapDrawing.hpp"

#include <quillon/Bitmap.hpp>

namespace guicontrols
{
using quillon::Bitmap;
using quillon::Rectangle;

namespace
{
const quillon::BitmapId TOP_CAP = 225;
const quillon::BitmapId MIDDLE = 224;
const quillon::BitmapId BOTTOM_CAP = 223;
const int16_t INITIAL_HEIGHT = 10;
} // namespace

ScrollBarIndicator::ScrollBarIndicator()
{
    setPosition(0, 0, Bitmap(TOP_CAP).getWidth(), INITIAL_HEIGHT);
}

void ScrollBarIndicator::drawPiece(const Bitmap& bitmap, int16_t y, int16_t height, const Rectangle& clip) const
{
    const Rectangle piece = clip & Rectangle(0, y, getWidth(), height);
    if (!piece.isEmpty()) {
        BitmapDrawing::draw(*this, bitmap, 0, y, piece, 255);
    }
}

void ScrollBarIndicator::draw(const Rectangle& area) const
{
    // Caps of a very short thumb overlap; neither may reach outside it.
    const Rectangle clip = area & Rectangle(0, 0, getWidth(), getHeight());
    if (clip.isEmpty()) {
        return;
    }
    const Bitmap top(TOP_CAP);
    const Bitmap middle(MIDDLE);
    const Bitmap bottom(BOTTOM_CAP);
    drawPiece(top, 0, top.getHeight(), clip);
    const int16_t bottomY = static_cast<int16_t>(getHeight() - bottom.getHeight());
    const int16_t firstRow = clip.y > top.getHeight() ? clip.y : top.getHeight();
    const int16_t endRow = clip.bottom() < bottomY ? clip.bottom() : bottomY;
    for (int16_t y = firstRow; y < endRow; ++y) {
        drawPiece(middle, y, 1, clip);
    }
    drawPiece(bottom, bottomY, bottom.getHeight(), clip);
}
} // namespace guicontrols
