#include "guicontrols/BasicScreenCenterButton.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/events/ClickEvent.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId RELEASED = 231;
const quillon::BitmapId PRESSED = 232;
const quillon::TextId HEATING_CIRCUIT = 963;
} // namespace

BasicScreenCenterButton::BasicScreenCenterButton()
    : numbers{{' ', '1', 0, 0, 0}, {' ', '2', 0, 0, 0}, {' ', '3', 0, 0, 0}}, available(1), selected(0),
      availableCount(1)
{
    setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
}

void BasicScreenCenterButton::setCircuits(bool circuit1, bool circuit2, bool circuit3)
{
    available = static_cast<uint8_t>((circuit1 ? 1 : 0) | (circuit2 ? 2 : 0) | (circuit3 ? 4 : 0));
    availableCount = static_cast<uint8_t>((circuit1 ? 1 : 0) + (circuit2 ? 1 : 0) + (circuit3 ? 1 : 0));
}

// From none the search starts at circuit 1; with two or more circuits two steps always
// reach one, the third step only guards against a bit set that changed meanwhile.
void BasicScreenCenterButton::selectNextCircuit()
{
    for (uint8_t step = 0; step < CIRCUITS; ++step) {
        selected = static_cast<uint8_t>(selected % CIRCUITS + 1);
        if ((available & (1 << (selected - 1))) != 0) {
            return;
        }
    }
}

void BasicScreenCenterButton::onClick(const quillon::ClickEvent& event)
{
    if (event.getType() == quillon::ClickEvent::RELEASED && pressed && availableCount > 1) {
        selectNextCircuit();
    }
    quillon::Button::onClick(event);
}

// "Heating circuit" and the available numbers form one group, centred on the button.
void BasicScreenCenterButton::draw(const Rectangle& area) const
{
    quillon::Button::draw(area);
    const quillon::TypedText title(HEATING_CIRCUIT);
    const quillon::Font* font = title.getFont();
    const Rectangle visible = area & Rectangle(0, 0, getWidth(), getHeight());
    if (font == nullptr || visible.isEmpty()) {
        return;
    }
    const quillon::WideChar* texts[1 + CIRCUITS] = {title.getText(), numbers[0], numbers[1], numbers[2]};
    int16_t widths[1 + CIRCUITS];
    int16_t total = 0;
    for (uint8_t i = 0; i <= CIRCUITS; ++i) {
        const bool shown = i == 0 || (available & (1 << (i - 1))) != 0;
        widths[i] = shown ? LiteralText::getWidth(font, texts[i]) : 0;
        total = static_cast<int16_t>(total + widths[i]);
    }
    const int16_t lineHeight = static_cast<uint8_t>(font->getFullHeight());
    Rectangle box(static_cast<int16_t>((getWidth() - total) / 2), static_cast<int16_t>(getHeight() / 2 - lineHeight / 2),
                  0, getHeight());
    for (uint8_t i = 0; i <= CIRCUITS; ++i) {
        box.width = widths[i];
        if (box.width > 0) {
            const bool highlighted = i == 0 || i == selected;
            const quillon::LCD::TextStyle style(font, Palette::entry(highlighted ? 11 : 2), 255, quillon::LEFT, 0,
                                                quillon::LCD::TEXT_ROTATE_0);
            const Rectangle clip(static_cast<int16_t>(visible.x - box.x), static_cast<int16_t>(visible.y - box.y),
                                 visible.width, visible.height);
            Rectangle screenBox = box;
            toScreenCoordinates(screenBox);
            LiteralText::draw(screenBox, clip, style, texts[i]);
        }
        box.x = static_cast<int16_t>(box.x + widths[i]);
    }
}
} // namespace guicontrols
