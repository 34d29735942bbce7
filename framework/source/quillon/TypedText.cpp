#include <quillon/Font.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/WildcardReader.hpp>

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
    if (font == nullptr) {
        return 0;
    }
    // Measured without arguments: its wildcards vanish instead of reading arguments nobody passed.
    WildcardReader reader;
    reader.initialize(getText());
    return font->getStringWidth(reader);
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
