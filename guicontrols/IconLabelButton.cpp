#include "guicontrols/IconLabelButton.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
namespace
{
const quillon::FontId DEFAULT_FONT_ID = 21;
}

IconLabelButton::IconLabelButton()
    : label(nullptr), fontId(DEFAULT_FONT_ID), font(ApplicationFontProvider().getFont(DEFAULT_FONT_ID)),
      labelColor(&Palette::entry(11))
{
}

void IconLabelButton::setFontId(quillon::FontId id)
{
    fontId = id;
    font = ApplicationFontProvider().getFont(id);
}

const quillon::Font* IconLabelButton::labelFont() const
{
    return font != nullptr ? font : ApplicationFontProvider().getFont(fontId);
}

void IconLabelButton::draw(const quillon::Rectangle& area) const
{
    RepeatableButton::draw(area);
    if (label == nullptr) {
        drawIcon(area);
        return;
    }
    const quillon::Font* textFont = labelFont();
    if (textFont == nullptr || labelColor == nullptr) {
        return;
    }
    const int16_t lineHeight = static_cast<uint8_t>(textFont->getFullHeight());
    quillon::Rectangle line(0, static_cast<int16_t>(getHeight() / 2 - lineHeight / 2), getWidth(), lineHeight);
    quillon::Rectangle clip = area;
    clip.x = static_cast<int16_t>(clip.x - line.x);
    clip.y = static_cast<int16_t>(clip.y - line.y);
    clip &= quillon::Rectangle(0, 0, line.width, line.height);
    toScreenCoordinates(line);
    const quillon::LCD::TextStyle style(textFont, *labelColor, 255, quillon::CENTER, 0, quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(line, clip, style, label);
}
} // namespace guicontrols
