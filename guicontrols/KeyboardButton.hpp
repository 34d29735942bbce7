#ifndef GUICONTROLS_KEYBOARDBUTTON_HPP
#define GUICONTROLS_KEYBOARDBUTTON_HPP

#include "guicontrols/RepeatableButton.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/hal/Types.hpp>

namespace guicontrols
{
// A key of the on-screen keyboards: its bitmap, then an icon or a character (with an optional
// second character below it), all in the button's alpha.
class KeyboardButton : public RepeatableButton
{
public:
    KeyboardButton() : character(0), secondCharacter(0), iconHigh(false), icon(quillon::BITMAP_NONE) {}

    void draw(const quillon::Rectangle& area) const override;

    quillon::WideChar getCharacter() const { return character; }
    void setCharacter(quillon::WideChar value) { character = value; }
    quillon::WideChar getSecondCharacter() const { return secondCharacter; }
    void setSecondCharacter(quillon::WideChar value) { secondCharacter = value; }
    void setIcon(const quillon::Bitmap& bitmap) { icon = bitmap; }
    const quillon::Bitmap& getIcon() const { return icon; }
    // High: centred on a quarter of the key's height, above where a character would stand.
    void setIconHigh(bool high) { iconHigh = high; }

private:
    quillon::WideChar character;
    quillon::WideChar secondCharacter;
    bool iconHigh;
    quillon::Bitmap icon;
};
} // namespace guicontrols

#endif
