#ifndef GUI_POPUPS_POPUPLAYOUT_HPP
#define GUI_POPUPS_POPUPLAYOUT_HPP

#include "guicontrols/TextField.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/FontManager.hpp>
#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/Texts.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>

#include <stdint.h>

// The pieces every popup lays out the same way inside its 760 x 404 panel.
namespace PopupLayout
{
typedef quillon::GenericCallback<const quillon::AbstractButton&> ButtonAction;

const quillon::BitmapId GREY_FRAME = 65;
const quillon::BitmapId ORANGE_FRAME = 66;
const quillon::BitmapId RED_FRAME = 67;
const quillon::BitmapId WARNING_ICON = 91;
const quillon::BitmapId SPANNER_ICON = 93;
const int16_t ICON_Y = 25;
const int16_t TITLE_Y = 110;
const int16_t BUTTON_Y = 315;
const int16_t PAIR_Y = 300;
// Two buttons stand this far either side of the middle.
const int16_t PAIR_GAP = 22;
// Wrapped questions are measured in this font, this wide.
const quillon::FontId WRAP_FONT = 22;
const uint16_t WRAP_WIDTH = 720;

// The bitmap at y, centred across the panel.
void placeIcon(quillon::Image& icon, quillon::BitmapId bitmap, int16_t y);
// A typed text across the panel at y, its own text height high, centred.
void placeText(guicontrols::TextField& field, quillon::TextId text, int16_t y);
// The field's height to its text's, after the text or the language changed.
void fitHeight(guicontrols::TextField& field);
// Released bitmap 5, pressed 6, label in palette entry 0, the action; placed by the caller.
void setupButton(quillon::ButtonWithLabel& button, quillon::TextId label, ButtonAction& action);
void placeButtonCentred(quillon::ButtonWithLabel& button, int16_t y);
// A button caches its label's height when the label is set, in the language of that moment;
// a popup is built once, so its labels are measured again each time it is put on screen.
void remeasureLabels(quillon::Container& popup);
// The first left of the middle, the second right of it.
void placeButtonPair(quillon::ButtonWithLabel& first, quillon::ButtonWithLabel& second, int16_t y);
// The question wrapped into the buffer, then shown raw in the display font at y, lines
// times lineHeight high.
void showWrapped(guicontrols::TextField& field, quillon::WideChar* buffer, uint16_t capacity, quillon::TextId question,
                 uint8_t maxLines, quillon::FontId displayFont, int16_t y, uint16_t height);
// One line of the font: its full height.
uint16_t lineHeight(quillon::FontId font);
} // namespace PopupLayout

#endif
