#include "guicontrols/TextFieldWithShadow.hpp"

#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::Rectangle;

TextFieldWithShadow::TextFieldWithShadow()
    : shadowVisible(true), shadowColor(quillon::colorFromRGB(26, 29, 26)), gap(0), startRow(0), rowCount(0)
{
}

void TextFieldWithShadow::setShadowArea(uint16_t start, uint16_t count, uint16_t gapRows)
{
    startRow = start;
    rowCount = count;
    gap = gapRows;
}

void TextFieldWithShadow::draw(const Rectangle& area) const
{
    if (!hasText()) {
        return;
    }
    TextField::draw(area);
    if (shadowVisible) {
        drawShadow(area);
    }
}

// The rows come from the caller: only pixels of the redrawn area on the display are read as
// destinations and written, and only display rows are read as sources.
void TextFieldWithShadow::drawShadow(const Rectangle& area) const
{
    const Rectangle field = getAbsoluteRect();
    Rectangle redrawn = area;
    toScreenCoordinates(redrawn);
    redrawn &= Rectangle(0, 0, static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH),
                         static_cast<int16_t>(quillon::HAL::SCREEN_HEIGHT));
    const int32_t columnsFrom = field.x > redrawn.x ? field.x : redrawn.x;
    const int32_t columnsTo = field.right() < redrawn.right() ? field.right() : redrawn.right();
    if (redrawn.isEmpty() || columnsFrom >= columnsTo) {
        return;
    }
    int32_t destination = static_cast<int32_t>(gap) + startRow + 2 * static_cast<int32_t>(rowCount) - 1;
    if (field.bottom() < destination) {
        destination = field.bottom() - 1;
    }
    const int32_t stride = quillon::HAL::FB_WIDTH;
    quillon::HAL* hal = quillon::HAL::getInstance();
    uint16_t* frameBuffer = hal->acquireFrameBuffer();
    for (int32_t step = 0; step < rowCount; ++step, --destination) {
        const int32_t source = static_cast<int32_t>(startRow) + step;
        if (destination < redrawn.y || destination >= redrawn.bottom() || source >= quillon::HAL::SCREEN_HEIGHT) {
            continue;
        }
        const uint16_t* from = frameBuffer + source * stride;
        uint16_t* to = frameBuffer + destination * stride;
        for (int32_t column = columnsFrom; column < columnsTo; ++column) {
            if (from[column] != 0x0000 && to[column] == 0x0000) {
                to[column] = shadowColor;
            }
        }
    }
    hal->releaseFrameBuffer();
}
} // namespace guicontrols
