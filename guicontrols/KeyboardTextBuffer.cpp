#include "guicontrols/KeyboardTextBuffer.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::Rectangle;
using quillon::WideChar;

namespace
{
const WideChar MASK_CHARACTER = '*';
const uint8_t TEXT_COLOR = 6;
const uint8_t CURSOR_COLOR = 9;
const uint8_t BACKGROUND_COLOR = 11;
// Typing and moving right scroll once the cursor comes this close to the right edge of the
// visible text; moving left scrolls while it is this close to the left edge.
const int16_t RIGHT_SCROLL_ZONE = 15;
const int16_t LEFT_SCROLL_ZONE = 45;
} // namespace

KeyboardTextBuffer::KeyboardTextBuffer() : text(), maxLength(MAX_LENGTH), cursor(0), scrollX(0), masked(false)
{
    setColor(Palette::entry(BACKGROUND_COLOR));
    setTouchable(true);
}

const quillon::Font* KeyboardTextBuffer::font()
{
    ApplicationFontProvider fonts;
    return fonts.getFont(FONT_ID);
}

uint8_t KeyboardTextBuffer::getLength() const
{
    uint8_t length = 0;
    while (length < MAX_LENGTH && text[length] != 0) {
        ++length;
    }
    return length;
}

const WideChar* KeyboardTextBuffer::shownText(WideChar (&shown)[TEXT_SIZE], uint8_t n) const
{
    const uint8_t length = getLength();
    const uint8_t count = n < length ? n : length;
    for (uint8_t i = 0; i < count; ++i) {
        shown[i] = masked ? MASK_CHARACTER : text[i];
    }
    shown[count] = 0;
    return shown;
}

uint16_t KeyboardTextBuffer::textWidth(uint8_t n) const
{
    WideChar shown[TEXT_SIZE];
    return static_cast<uint16_t>(LiteralText::getWidth(font(), shownText(shown, n)));
}

uint16_t KeyboardTextBuffer::characterWidth(uint8_t i) const
{
    const quillon::Font* f = font();
    // Beyond the text (also cursor 0 minus one, wrapped to 255) there is no character.
    if (f == nullptr || i >= getLength()) {
        return 0;
    }
    return f->getCharWidth(masked ? MASK_CHARACTER : text[i]);
}

void KeyboardTextBuffer::setText(const WideChar* newText)
{
    uint8_t length = 0;
    if (newText != nullptr) {
        for (; length < MAX_LENGTH && newText[length] != 0; ++length) {
            text[length] = newText[length];
        }
    }
    for (uint8_t i = length; i < TEXT_SIZE; ++i) {
        text[i] = 0;
    }
    cursor = length;
    updateScroll(Change::NewText);
    invalidate();
}

void KeyboardTextBuffer::insertCharacter(WideChar character)
{
    const uint8_t length = getLength();
    if (length >= maxLength || character == 0) {
        return;
    }
    for (uint8_t i = length; i > cursor; --i) {
        text[i] = text[i - 1];
    }
    text[cursor] = character;
    text[length + 1] = 0;
    ++cursor;
    updateScroll(Change::Insertion);
}

void KeyboardTextBuffer::deleteCharacter()
{
    if (cursor == 0) {
        return;
    }
    const uint8_t length = getLength();
    for (uint8_t i = static_cast<uint8_t>(cursor - 1); i < length; ++i) {
        text[i] = text[i + 1];
    }
    --cursor;
    updateScroll(Change::Deletion);
}

void KeyboardTextBuffer::clear()
{
    for (WideChar& unit : text) {
        unit = 0;
    }
    setCursor(0);
    updateScroll(Change::Deletion);
}

void KeyboardTextBuffer::setCursor(uint8_t position)
{
    if (position > getLength()) {
        return;
    }
    if (position == cursor + 1) {
        updateScroll(Change::MoveRight);
    } else if (position + 1 == cursor) {
        updateScroll(Change::MoveLeft);
    }
    cursor = position;
}

bool KeyboardTextBuffer::setMaxLength(uint8_t length)
{
    if (length > MAX_LENGTH) {
        return false;
    }
    maxLength = length;
    return true;
}

// Moves and insertions scroll by one character when the cursor comes near an edge; a new
// text shows its end. A deletion may leave the text's end short of the right edge or the
// cursor left of the view: both are pulled back, so the line never shows a gap after the
// text while the text is wider than the line.
void KeyboardTextBuffer::updateScroll(Change change)
{
    const int16_t visible = visibleWidth();
    const int16_t whole = static_cast<int16_t>(textWidth(MAX_LENGTH));
    if (visible > whole) {
        scrollX = 0;
        return;
    }
    const int16_t c = static_cast<int16_t>(textWidth(cursor));
    switch (change) {
    case Change::MoveLeft:
        if (scrollX > c - LEFT_SCROLL_ZONE) {
            scrollX = static_cast<int16_t>(scrollX - characterWidth(static_cast<uint8_t>(cursor - 1)));
        }
        break;
    case Change::MoveRight:
        // By the character the cursor passes, so the cursor keeps its distance to the edge.
        if (c > visible - RIGHT_SCROLL_ZONE + scrollX) {
            scrollX = static_cast<int16_t>(scrollX + characterWidth(cursor));
        }
        break;
    case Change::Insertion:
        if (c > visible - RIGHT_SCROLL_ZONE + scrollX) {
            scrollX = static_cast<int16_t>(scrollX + characterWidth(static_cast<uint8_t>(cursor - 1)));
        }
        break;
    case Change::Deletion:
        if (scrollX > whole - visible) {
            scrollX = static_cast<int16_t>(whole - visible);
        }
        if (c < scrollX) {
            scrollX = c;
        }
        break;
    case Change::NewText:
        scrollX = static_cast<int16_t>(whole - visible);
        break;
    }
    if (scrollX < 0) {
        scrollX = 0;
    }
}

uint8_t KeyboardTextBuffer::nearestBoundary(int16_t x) const
{
    const int16_t target = static_cast<int16_t>(x - MARGIN + scrollX);
    const uint8_t length = getLength();
    uint8_t nearest = 0;
    int32_t nearestDistance = INT32_MAX;
    for (uint8_t i = 0; i <= length; ++i) {
        const int32_t distance = static_cast<int32_t>(textWidth(i)) - target;
        const int32_t absolute = distance < 0 ? -distance : distance;
        if (absolute < nearestDistance) {
            nearest = i;
            nearestDistance = absolute;
        }
    }
    return nearest;
}

void KeyboardTextBuffer::onClick(const quillon::ClickEvent& event)
{
    if (event.getType() != quillon::ClickEvent::PRESSED) {
        return;
    }
    const uint8_t position = nearestBoundary(event.getX());
    if (position != cursor) {
        setCursor(position);
        invalidate();
    }
}

void KeyboardTextBuffer::draw(const Rectangle& area) const
{
    quillon::Box::draw(area);
    const int16_t visible = visibleWidth();
    WideChar shown[TEXT_SIZE];
    // The text box starts scrollX left of the margin; the clip keeps the window on it.
    Rectangle box(static_cast<int16_t>(MARGIN - scrollX), MARGIN, static_cast<int16_t>(scrollX + visible),
                  static_cast<int16_t>(getHeight() - 2 * MARGIN));
    Rectangle clip = area & Rectangle(MARGIN, MARGIN, visible, box.height);
    if (!clip.isEmpty()) {
        clip.x = static_cast<int16_t>(clip.x - box.x);
        clip.y = static_cast<int16_t>(clip.y - box.y);
        toScreenCoordinates(box);
        const quillon::LCD::TextStyle style(font(), Palette::entry(TEXT_COLOR), 255, quillon::LEFT, 0,
                                            quillon::LCD::TEXT_ROTATE_0);
        LiteralText::draw(box, clip, style, shownText(shown, MAX_LENGTH));
    }
    Rectangle bar(static_cast<int16_t>(MARGIN - scrollX + textWidth(cursor)), MARGIN, CURSOR_WIDTH, CURSOR_HEIGHT);
    bar &= area & Rectangle(0, 0, getWidth(), getHeight());
    if (!bar.isEmpty()) {
        toScreenCoordinates(bar);
        quillon::HAL::lcd().fillRect(bar, Palette::entry(CURSOR_COLOR), 255);
    }
}
} // namespace guicontrols
