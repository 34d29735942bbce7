#include "guicontrols/EnergyCockpitTemperatureWithPointer.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId POINTER = 238;
const quillon::TextId FONT_TEXT = 0;
const int16_t GAP = 5;
} // namespace

EnergyCockpitTemperatureWithPointer::EnergyCockpitTemperatureWithPointer() : text(nullptr), pointer(POINTER)
{
    setWidth(static_cast<int16_t>(pointer.getWidth()));
    setHeight(static_cast<int16_t>(quillon::TypedText(FONT_TEXT).getFont()->getFullHeight()));
}

Rectangle EnergyCockpitTemperatureWithPointer::textBox() const
{
    const int16_t x = static_cast<int16_t>(pointer.getWidth() + GAP);
    return Rectangle(x, 0, static_cast<int16_t>(getWidth() - x), getHeight());
}

void EnergyCockpitTemperatureWithPointer::draw(const Rectangle& area) const
{
    const int16_t pointerY = static_cast<int16_t>(getHeight() / 2 - pointer.getHeight() / 2);
    BitmapDrawing::draw(*this, pointer, 0, pointerY, area, 255);
    const Rectangle box = textBox();
    Rectangle clip = box & area;
    if (text == nullptr || clip.isEmpty()) {
        return;
    }
    clip.x = static_cast<int16_t>(clip.x - box.x);
    clip.y = static_cast<int16_t>(clip.y - box.y);
    Rectangle screenBox = box;
    toScreenCoordinates(screenBox);
    const quillon::LCD::TextStyle style(quillon::TypedText(FONT_TEXT).getFont(), Palette::entry(17), 255,
                                        quillon::LEFT, 0, quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(screenBox, clip, style, text);
}
} // namespace guicontrols
