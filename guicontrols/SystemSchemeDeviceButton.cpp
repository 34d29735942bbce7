#include "guicontrols/SystemSchemeDeviceButton.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::Bitmap;
using quillon::Rectangle;

namespace
{
const quillon::BitmapId DEFAULT_RELEASED = 7;
const quillon::BitmapId DEFAULT_PRESSED = 9;
const quillon::BitmapId TALL_FRAME = 28;
const quillon::BitmapId TALL_SELECTED_FRAME = 29;
const quillon::BitmapId SHORT_DISPLAY_FRAME = 23;
const quillon::BitmapId LONG_DISPLAY_FRAME = 26;
const quillon::BitmapId LONG_FRAME_FOR_ICON = 26; // from this height the icon sits lower
const quillon::TextId NUMBER_FONT_TEXT = 1032;
const int16_t PIPE_STRIP = 20;
const int16_t PIPE_THICKNESS = 4;
const uint32_t LAST_SHORT_TYPE = 6;
const quillon::BitmapId ICONS[11] = {52, 45, 45, 45, 47, 48, 50, 46, 49, 53, 51};

// Types whose tile switches to the tall frame: always, or only when display only.
bool usesTallFrame(uint32_t type, uint32_t mode)
{
    return type == 2 || (mode == SystemSchemeDeviceButton::DISPLAY_ONLY && (type == 3 || type == 7 || type == 9));
}
} // namespace

SystemSchemeDeviceButton::SystemSchemeDeviceButton()
    : deviceType(NO_DEVICE), lineStyle(NO_LINE), mode(PRESSABLE), number(0)
{
    setBitmaps(Bitmap(DEFAULT_RELEASED), Bitmap(DEFAULT_PRESSED));
}

SystemSchemeDeviceButton::SystemSchemeDeviceButton(uint32_t type) : SystemSchemeDeviceButton()
{
    setDevice(type, 0, PRESSABLE, NO_LINE);
}

void SystemSchemeDeviceButton::setFrames()
{
    const bool shortType = deviceType <= LAST_SHORT_TYPE;
    switch (mode) {
    case DISPLAY_ONLY: {
        const Bitmap frame(shortType ? SHORT_DISPLAY_FRAME : LONG_DISPLAY_FRAME);
        setBitmaps(frame, frame);
        break;
    }
    case LOOSE:
        setBitmaps(Bitmap(TALL_FRAME), Bitmap(TALL_FRAME));
        break;
    case LOOSE_SELECTED:
        setBitmaps(Bitmap(TALL_SELECTED_FRAME), Bitmap(TALL_SELECTED_FRAME));
        break;
    default:
        setBitmaps(Bitmap(shortType ? 22 : 25), Bitmap(shortType ? 24 : 27));
        break;
    }
    setTouchable(mode != DISPLAY_ONLY);
}

void SystemSchemeDeviceButton::setMode(uint32_t newMode)
{
    mode = newMode;
    setFrames();
}

void SystemSchemeDeviceButton::setDevice(uint32_t type, uint8_t newNumber, uint32_t newMode, uint32_t newLineStyle)
{
    deviceType = type;
    lineStyle = newLineStyle;
    mode = newMode;
    number = newNumber;
    setFrames();
    setHeight(static_cast<int16_t>(getHeight() + PIPE_STRIP)); // the pipe runs in this strip and below
    if (type < sizeof(ICONS) / sizeof(ICONS[0])) {
        setIcon(Bitmap(ICONS[type]));
    }
    if (usesTallFrame(type, mode)) {
        setBitmaps(Bitmap(TALL_FRAME), Bitmap(TALL_FRAME));
        lineStyle = NO_LINE;
    }
}

void SystemSchemeDeviceButton::draw(const Rectangle& area) const
{
    quillon::Button::draw(area);
    if (icon != Bitmap(quillon::BITMAP_NONE)) {
        const int16_t x = static_cast<int16_t>(getWidth() / 2 - icon.getWidth() / 2);
        const int16_t longFrame = static_cast<int16_t>(Bitmap(LONG_FRAME_FOR_ICON).getHeight());
        const int16_t y = getHeight() < longFrame
                              ? static_cast<int16_t>(getHeight() / 2 - icon.getHeight() / 2)
                              : static_cast<int16_t>(60 + Bitmap(SHORT_DISPLAY_FRAME).getHeight() / 2 -
                                                     icon.getHeight() / 2);
        BitmapDrawing::draw(*this, icon, x, y, area, alpha);
    }
    if (number != 0) {
        quillon::WideChar digits[4] = {};
        helpers::formatWide(digits, 4, "%u", static_cast<uint32_t>(number));
        const quillon::Font* font = quillon::TypedText(NUMBER_FONT_TEXT).getFont();
        const Rectangle own(0, 0, getWidth(), getHeight());
        Rectangle box(0, static_cast<int16_t>(30 - font->getFullHeight() / 2), getWidth(), getHeight());
        Rectangle clip = box & area & own;
        if (!clip.isEmpty()) {
            clip.x = static_cast<int16_t>(clip.x - box.x);
            clip.y = static_cast<int16_t>(clip.y - box.y);
            toScreenCoordinates(box);
            const quillon::LCD::TextStyle style(font, Palette::entry(11), alpha, quillon::CENTER, 0,
                                                quillon::LCD::TEXT_ROTATE_0);
            LiteralText::draw(box, clip, style, digits);
        }
    }
    Rectangle onTile = area & Rectangle(0, 0, getWidth(), getHeight());
    toScreenCoordinates(onTile);
    drawPipes(onTile);
}

int16_t SystemSchemeDeviceButton::pipeWidth(int16_t screenX) const
{
    int16_t width = getWidth();
    if (screenX + width > 799) {
        width = static_cast<int16_t>(789 - screenX);
    }
    return width < 0 ? 0 : width; // a tile from x 790 on keeps only its stubs
}

Rectangle SystemSchemeDeviceButton::getPipeArea() const
{
    return Rectangle(static_cast<int16_t>(getX() - PIPE_OVERHANG), getY(),
                     static_cast<int16_t>(getWidth() + 2 * PIPE_OVERHANG),
                     static_cast<int16_t>(getHeight() + PIPE_BELOW));
}

void SystemSchemeDeviceButton::drawPipes(const Rectangle& clip) const
{
    if (lineStyle > 4 || alpha == 0) {
        return;
    }
    const Rectangle screen(0, 0, static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH),
                           static_cast<int16_t>(quillon::HAL::SCREEN_HEIGHT));
    const Rectangle allowed = clip & screen;
    if (allowed.isEmpty()) {
        return;
    }
    const Rectangle tile = getAbsoluteRect();
    const int16_t x = tile.x;
    const int16_t w = pipeWidth(x);
    const int16_t top = static_cast<int16_t>(tile.y + getHeight() - 15);
    const int16_t c = static_cast<int16_t>(x + w / 2);
    const quillon::Color color = Palette::entry(mode == PRESSABLE ? 11 : 3);
    const auto fill = [&](int16_t rx, int16_t ry, int16_t rw, int16_t rh) {
        const Rectangle part = Rectangle(rx, ry, rw, rh) & allowed;
        if (!part.isEmpty()) {
            quillon::HAL::lcd().fillRect(part, color, alpha);
        }
    };
    const int16_t lineY = static_cast<int16_t>(top + 25);
    switch (lineStyle) {
    case 0:
        fill(c, top, PIPE_THICKNESS, 25);
        fill(c, lineY, static_cast<int16_t>(w / 2 + 11), PIPE_THICKNESS);
        break;
    case 1:
        fill(c, top, PIPE_THICKNESS, 25);
        fill(x, lineY, static_cast<int16_t>(w / 2 + 4), PIPE_THICKNESS);
        break;
    case 2:
        fill(c, top, PIPE_THICKNESS, 25);
        fill(static_cast<int16_t>(x - 11), lineY, static_cast<int16_t>(w + 22), PIPE_THICKNESS);
        break;
    case 3:
        fill(static_cast<int16_t>(c + 5), top, PIPE_THICKNESS, 25);
        fill(static_cast<int16_t>(c - 8), top, PIPE_THICKNESS, 25);
        fill(static_cast<int16_t>(c + 5), lineY, static_cast<int16_t>(w / 2 + 11), PIPE_THICKNESS);
        fill(x, lineY, static_cast<int16_t>(w / 2 - 4), PIPE_THICKNESS);
        break;
    default:
        fill(c, top, PIPE_THICKNESS, 20);
        fill(static_cast<int16_t>(x - 11), static_cast<int16_t>(top + 15), static_cast<int16_t>(w + 11), 22);
        break;
    }
}
} // namespace guicontrols
