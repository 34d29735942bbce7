#ifndef QUILLON_WIDGETS_TEXTAREAWITHONEWILDCARD_HPP
#define QUILLON_WIDGETS_TEXTAREAWITHONEWILDCARD_HPP

#include <quillon/widgets/TextAreaWithWildcardBase.hpp>

namespace quillon
{
// A text area whose text takes one caller-owned UTF-16 text for its "%s". The text is not
// copied: its owner keeps the buffer alive and invalidates the area after changing it.
class TextAreaWithOneWildcard : public TextAreaWithWildcardBase
{
public:
    TextAreaWithOneWildcard() : wildcard(nullptr) {}

    void draw(const Rectangle& area) const override;
    uint16_t getType() const override { return 13; }
    int16_t getTextHeight() const override;
    int16_t getTextWidth() const override;

    // No copy, no redraw; null shows the text without it.
    void setWildcard(const WideChar* text) { wildcard = text; }
    const WideChar* getWildcard() const { return wildcard; }

protected:
    const WideChar* wildcard;
};
} // namespace quillon

#endif
