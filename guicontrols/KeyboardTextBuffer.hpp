#ifndef GUICONTROLS_KEYBOARDTEXTBUFFER_HPP
#define GUICONTROLS_KEYBOARDTEXTBUFFER_HPP

#include <quillon/Font.hpp>
#include <quillon/FontManager.hpp>
#include <quillon/widgets/Box.hpp>

#include <stdint.h>

namespace guicontrols
{
// The edit line of the on-screen keyboards: a text of at most 45 characters with an insertion
// cursor, scrolled sideways so that the cursor stays in view. Masked, it shows and measures
// one '*' per character. Only setText and a touch redraw the line; the keys' owner redraws
// after the other changes.
class KeyboardTextBuffer : public quillon::Box
{
public:
    static constexpr uint8_t MAX_LENGTH = 45;
    static constexpr uint8_t TEXT_SIZE = MAX_LENGTH + 1;
    static constexpr quillon::FontId FONT_ID = 8;
    static constexpr int16_t MARGIN = 15;
    static constexpr int16_t CURSOR_WIDTH = 3;
    static constexpr int16_t CURSOR_HEIGHT = 30;

    KeyboardTextBuffer();

    void draw(const quillon::Rectangle& area) const override;
    // A press puts the cursor at the nearest character boundary; right of the text, at its end.
    void onClick(const quillon::ClickEvent& event) override;

    const quillon::WideChar* getText() const { return text; }
    bool isEmpty() const { return text[0] == 0; }
    uint8_t getLength() const;
    // Copies at most 45 characters, puts the cursor at the end and shows the text's end.
    void setText(const quillon::WideChar* newText);
    // Nothing at the maximum length.
    void insertCharacter(quillon::WideChar character);
    // The character before the cursor; nothing at cursor 0.
    void deleteCharacter();
    void clear();

    uint8_t getCursor() const { return cursor; }
    // Ignored beyond the end of the text.
    void setCursor(uint8_t position);
    // False, and no change, above 45.
    bool setMaxLength(uint8_t length);
    uint8_t getMaxLength() const { return maxLength; }
    void setMasked(bool value) { masked = value; }
    bool isMasked() const { return masked; }
    int16_t getScrollX() const { return scrollX; }

    // Pixel width of the first n characters as shown (n limited to the text).
    uint16_t textWidth(uint8_t n) const;
    // Advance of character i as shown; 0 beyond the text.
    uint16_t characterWidth(uint8_t i) const;

private:
    enum class Change
    {
        MoveLeft,
        MoveRight,
        Deletion,
        Insertion,
        NewText
    };

    static const quillon::Font* font();
    // The text as drawn: the text itself, or its asterisks written into shown.
    const quillon::WideChar* shownText(quillon::WideChar (&shown)[TEXT_SIZE], uint8_t n) const;
    int16_t visibleWidth() const { return static_cast<int16_t>(getWidth() - 2 * MARGIN); }
    void updateScroll(Change change);
    uint8_t nearestBoundary(int16_t x) const;

    quillon::WideChar text[TEXT_SIZE];
    uint8_t maxLength;
    uint8_t cursor;
    int16_t scrollX;
    bool masked;
};
} // namespace guicontrols

#endif
