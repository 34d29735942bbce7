#ifndef GUICONTROLS_BASETEXTITEM_HPP
#define GUICONTROLS_BASETEXTITEM_HPP

#include "guicontrols/IItemProvider.hpp"
#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/Box.hpp>

namespace guicontrols
{
// A list line of two texts: a label on the left, a value ending 40 px before the right
// edge, and a separator line at the bottom while the list asks for one. A label and value
// that would meet are drawn in the smaller font, and on two rows (label above, value below)
// when even that is too wide: long values such as circuit types stay readable.
class BaseTextItem : public IItemProvider
{
public:
    static const int16_t HEIGHT = 66;
    static const uint32_t SEPARATOR_STYLE = 2;

    explicit BaseTextItem(uint32_t index);
    BaseTextItem(ITextContentProvider* provider, uint32_t index);
    ~BaseTextItem() override {}

    void update() override;
    void updateLayout() override;
    uint32_t getSeparatorStyle() const override { return SEPARATOR_STYLE; }
    virtual BaseTextItem& setProvider(ITextContentProvider* provider);
    // A non-zero line number (low 8 bits) draws the line in the secondary colour for good.
    virtual BaseTextItem& setProvider(ITextContentProvider* provider, uint32_t index);
    // 0 left, 1 centred, 2 right (the default).
    void setSecondTextAlignment(uint32_t alignment) { secondText.setAlignment(alignment); }

    const TextField& getTextField() const { return text; }
    const TextField& getSecondTextField() const { return secondText; }
    const quillon::Box& getLine() const { return line; }

protected:
    // Places label, value and line for the item's size, without fitting the texts.
    void placeChildren();
    // Chooses font and rows for the current texts and layout.
    void fitTexts();

    ITextContentProvider* provider;
    TextField text;
    TextField secondText;
    quillon::Box line;

private:
    bool textsMeet(const quillon::Font* font) const;
};
} // namespace guicontrols

#endif
