#ifndef GUICONTROLS_LONGBUTTON_HPP
#define GUICONTROLS_LONGBUTTON_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/Font.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/widgets/Button.hpp>

#include <stdint.h>

namespace guicontrols
{
// The 658 x 71 button of a list line: a main text, a second text after it, a value text at
// the right end and an optional icon. It keeps the size of its bitmap whatever it is given.
// Texts are borrowed; a typed text is resolved when set.
class LongButton : public quillon::Button
{
public:
    LongButton();

    void draw(const quillon::Rectangle& area) const override;
    // Position as given, size always that of the long-button bitmap.
    void setPosition(int16_t x, int16_t y, int16_t width, int16_t height) override;
    void setWidth(int16_t width) override;
    void setHeight(int16_t height) override;
    virtual void setFont(const quillon::Font* textFont) { font = textFont; }

    // The second text follows a typed main text at its width (in the button's font) + 10, a
    // raw one at 500.
    void setText(const quillon::TypedText& text);
    void setText(const quillon::WideChar* text);
    void setSecondText(const quillon::TypedText& text);
    void setSecondText(const quillon::WideChar* text) { secondText = text; }
    // Null: no value text.
    void setValueText(const quillon::TypedText& text);
    void setValueText(const quillon::WideChar* text) { valueText = text; }
    // xOffset moves the icon from the centre while it stays on the button.
    void setIcon(const quillon::Bitmap& bitmap, int16_t xOffset);
    const quillon::WideChar* getText() const { return mainText; }
    const quillon::Font* getFont() const { return textFont(); }
    const quillon::WideChar* getValueText() const { return valueText; }
    const quillon::Bitmap& getIcon() const { return icon; }
    int16_t getIconOffset() const { return iconOffset; }
    // Where the right-aligned value text begins, in the button's own coordinates (the text
    // box's right end without one).
    int16_t getValueTextLeft() const;

protected:
    // Where the three texts go: after an icon placed at the left end, else 25 px in.
    quillon::Rectangle getTextBox() const;
    const quillon::Font* textFont() const;

    const quillon::Font* font;
    const quillon::WideChar* mainText;
    const quillon::WideChar* secondText;
    const quillon::WideChar* valueText;
    int32_t secondTextOffset;
    quillon::Bitmap icon;
    int16_t iconOffset;

private:
    int16_t iconX() const;
    void drawTexts(const quillon::Rectangle& area) const;
};
} // namespace guicontrols

#endif
