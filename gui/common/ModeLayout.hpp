#ifndef GUI_COMMON_MODELAYOUT_HPP
#define GUI_COMMON_MODELAYOUT_HPP

#include "guicontrols/Content.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/TextField.hpp"
#include "guicontrols/TopBar.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Texts.hpp>

#include <stdint.h>

// What the view modes share: a title across the top bar and a framed panel in the content
// area, 20 pixels in from every side.
namespace ModeLayout
{
const quillon::FontId TITLE_FONT = 3;
const quillon::FontId BODY_FONT = 2;
const quillon::FontId SMALL_BODY_FONT = 0;
const int16_t MARGIN = 20;
const uint32_t MIDDLE = 1; // vertical alignment
const quillon::BitmapId FRAME_STYLE = 65;
const uint16_t FRAME_INSET = 9;

// Bottom-bar icons of the modes.
const quillon::BitmapId BACK_ICON = 204;
const quillon::BitmapId HOME_ICON = 208;
const quillon::BitmapId ACCEPT_ICON = 210;

inline const quillon::Font* font(quillon::FontId id)
{
    return ApplicationFontProvider().getFont(id);
}

// A text the caller may leave out shows as nothing.
inline const quillon::WideChar* orEmpty(const quillon::WideChar* text)
{
    static const quillon::WideChar EMPTY[] = {0};
    return text != nullptr ? text : EMPTY;
}

inline void placeTitle(guicontrols::TopBar& bar, guicontrols::TextField& title)
{
    title.setPosition(MARGIN, 0, static_cast<int16_t>(bar.getWidth() - 2 * MARGIN), bar.getHeight());
    title.setVerticalAlignment(MIDDLE);
    bar.add(title);
}

inline void placeFrame(const guicontrols::Content& area, guicontrols::Frame& frame)
{
    frame.setStyle(FRAME_STYLE);
    frame.setInsets(FRAME_INSET, FRAME_INSET, FRAME_INSET, FRAME_INSET);
    frame.setPosition(MARGIN, MARGIN, static_cast<int16_t>(area.getWidth() - 2 * MARGIN),
                      static_cast<int16_t>(area.getHeight() - 2 * MARGIN));
}

// A body text centred across the content, at y, height high.
inline void placeLine(const guicontrols::Content& area, guicontrols::TextField& line, int16_t y, int16_t height,
                      uint32_t verticalAlignment)
{
    line.setPosition(MARGIN, y, static_cast<int16_t>(area.getWidth() - 2 * MARGIN), height);
    line.setAlignment(quillon::CENTER);
    line.setVerticalAlignment(verticalAlignment);
}

// A placed body text whose widest line would overrun its field takes the smaller body font
// rather than losing its ends.
inline void fitBodyFont(guicontrols::TextField& line)
{
    const quillon::WideChar* text = line.getText();
    if (guicontrols::LiteralText::getWidth(font(BODY_FONT), text) > line.getWidth()) {
        line.setText(text, font(SMALL_BODY_FONT));
    }
}
} // namespace ModeLayout

#endif
