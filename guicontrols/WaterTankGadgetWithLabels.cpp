#include "guicontrols/WaterTankGadgetWithLabels.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId MARKER = 238;
const quillon::TextId MARKER_FONT_TEXT = 0;
const quillon::TextId COLUMN_FONT_TEXT = 6;
// Layer top rows of the markers, in steps of d = 221 / 20, each pulled up a little.
const int16_t STEP = WaterTankGadget::INTERIOR_HEIGHT / 20;
const int16_t FIVE_MARKERS[5] = {0, 3 * STEP - 1, 9 * STEP - 4, 12 * STEP - 6, 17 * STEP - 8};
const int16_t FOUR_MARKERS[4] = {0, 9 * STEP - 4, 14 * STEP - 7, 19 * STEP - 9};

// Boxes and areas are measured from the tank's left edge, tankX into the widget.
void toScreen(const quillon::Drawable& widget, int16_t tankX, Rectangle& r)
{
    r.x = static_cast<int16_t>(r.x + tankX);
    widget.toScreenCoordinates(r);
}

void fillBlack(const Rectangle& box, const Rectangle& area, const WaterTankGadget& widget)
{
    Rectangle part = box & area;
    if (part.isEmpty()) {
        return;
    }
    toScreen(widget, widget.getTankX(), part);
    quillon::HAL::lcd().fillRect(part, Palette::entry(6), 255);
}

// The text inside box, only where area (both gadget coordinates) allows.
void drawText(const Rectangle& box, const Rectangle& area, const quillon::Font* font, quillon::Alignment alignment,
              const quillon::WideChar* text, const WaterTankGadget& widget)
{
    Rectangle clip = box & area;
    if (text == nullptr || clip.isEmpty()) {
        return;
    }
    clip.x = static_cast<int16_t>(clip.x - box.x);
    clip.y = static_cast<int16_t>(clip.y - box.y);
    Rectangle screenBox = box;
    toScreen(widget, widget.getTankX(), screenBox);
    const quillon::LCD::TextStyle style(font, Palette::entry(17), 255, alignment, 0, quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(screenBox, clip, style, text);
}
} // namespace

WaterTankGadgetWithLabels::WaterTankGadgetWithLabels(WaterTankDataProvider* provider)
    : WaterTankGadget(provider),
      markerCount(MAX_MARKERS),
      columnCount(MAX_COLUMN_TEXTS),
      markerBitmap(MARKER),
      markerTexts(),
      columnTexts()
{
    const int16_t columnX = firstColumnBox().x;
    setTankX(columnX < 0 ? static_cast<int16_t>(-columnX) : 0);
    setOwnWidth(static_cast<int16_t>(getTankX() + MARKER_TEXT_END));
}

void WaterTankGadgetWithLabels::setFiveMarkerLayout()
{
    markerCount = 5;
    columnCount = 3;
}

void WaterTankGadgetWithLabels::setFourMarkerLayout()
{
    markerCount = 4;
    columnCount = 2;
}

void WaterTankGadgetWithLabels::setMarkerLabel(const quillon::WideChar* text, uint8_t index)
{
    if (index < MAX_MARKERS) {
        markerTexts[index] = text;
    }
}

void WaterTankGadgetWithLabels::setColumnLabel(const quillon::WideChar* text, uint8_t index)
{
    if (index < MAX_COLUMN_TEXTS) {
        columnTexts[index] = text;
    }
}

int16_t WaterTankGadgetWithLabels::markerRow(uint8_t marker) const
{
    const int16_t step = markerCount == 4 ? FOUR_MARKERS[marker] : FIVE_MARKERS[marker];
    return static_cast<int16_t>(INTERIOR_Y + step);
}

Rectangle WaterTankGadgetWithLabels::markerTextBox(uint8_t marker) const
{
    const int16_t height = static_cast<int16_t>(quillon::TypedText(MARKER_FONT_TEXT).getFont()->getFullHeight());
    return Rectangle(MARKER_X + 36 + 5, static_cast<int16_t>(markerRow(marker) - height / 2 + 3), MARKER_TEXT_WIDTH,
                     height);
}

Rectangle WaterTankGadgetWithLabels::firstColumnBox() const
{
    const quillon::Font* font = quillon::TypedText(COLUMN_FONT_TEXT).getFont();
    const int16_t width = static_cast<int16_t>(6 * font->getCharWidth('8'));
    return Rectangle(static_cast<int16_t>(BODY_X - width - 20), 20, width,
                     static_cast<int16_t>(font->getFullHeight()));
}

int16_t WaterTankGadgetWithLabels::columnSpacing() const
{
    return columnCount > 1 ? static_cast<int16_t>((GADGET_HEIGHT - 90) / (columnCount - 1)) : 0;
}

void WaterTankGadgetWithLabels::draw(const Rectangle& area) const
{
    WaterTankGadget::draw(area);
    // The labels are placed from the tank's left edge.
    Rectangle fromTank = area;
    fromTank.x = static_cast<int16_t>(fromTank.x - getTankX());
    for (uint8_t marker = 0; marker < markerCount; ++marker) {
        drawMarker(marker, fromTank);
    }
    drawColumnTexts(fromTank);
}

void WaterTankGadgetWithLabels::drawMarker(uint8_t marker, const Rectangle& area) const
{
    const Rectangle box = markerTextBox(marker);
    fillBox(box, area);
    BitmapDrawing::draw(*this, markerBitmap, static_cast<int16_t>(getTankX() + MARKER_X), markerRow(marker),
                        Rectangle(static_cast<int16_t>(area.x + getTankX()), area.y, area.width, area.height), 255);
    drawText(box, area, quillon::TypedText(MARKER_FONT_TEXT).getFont(), quillon::LEFT, markerTexts[marker], *this);
}

void WaterTankGadgetWithLabels::fillBox(const Rectangle& box, const Rectangle& area) const
{
    fillBlack(box, area, *this);
    // The lowest boxes reach down to the upper pipes: left cut, they would end in stubs.
    Rectangle part = box & area;
    if (part.isEmpty()) {
        return;
    }
    part.x = static_cast<int16_t>(part.x + getTankX());
    drawSidePieces(part);
}

void WaterTankGadgetWithLabels::drawColumnTexts(const Rectangle& area) const
{
    const quillon::Font* font = quillon::TypedText(COLUMN_FONT_TEXT).getFont();
    Rectangle box = firstColumnBox();
    for (uint8_t column = 0; column < columnCount; ++column) {
        fillBox(box, area);
        drawText(box, area, font, quillon::RIGHT, columnTexts[column], *this);
        box.y = static_cast<int16_t>(box.y + columnSpacing());
    }
}
} // namespace guicontrols
