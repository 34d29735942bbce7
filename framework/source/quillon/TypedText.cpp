#include <quillon/Font.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

namespace quillon
{
const TypedTextRecord* TypedText::typedTexts = nullptr;
const Font* const* TypedText::fonts = nullptr;
uint16_t TypedText::numberOfTypedTexts = 0;
const LanguageTable* TypedText::languageTable = nullptr;

const WideChar* TypedText::getText() const
{
    assertValid();
    return languageTable != nullptr ? languageTable->getText(typedTextId) : nullptr;
}

const Font* TypedText::getFont() const
{
    assertValid();
    return fonts != nullptr ? fonts[typedTexts[typedTextId].fontIndex] : nullptr;
}

Alignment TypedText::getAlignment() const
{
    assertValid();
    return typedTexts[typedTextId].alignment;
}

int16_t TypedText::getWidth() const
{
    assertValid();
    const Font* font = getFont();
    return font != nullptr ? font->getStringWidth(getText()) : 0;
}

void TypedText::registerTypedTextDatabase(const TypedTextRecord* records, const Font* const* fontTable,
                                          uint16_t count)
{
    typedTexts = records;
    fonts = fontTable;
    numberOfTypedTexts = count;
}

void TypedText::registerLanguageTable(const LanguageTable* table)
{
    languageTable = table;
}
} // namespace quillon
