#ifndef QUILLON_TYPEDTEXT_HPP
#define QUILLON_TYPEDTEXT_HPP

#include <quillon/Assert.hpp>
#include <quillon/Texts.hpp>

namespace quillon
{
class LanguageTable;

// A text id resolved in the current language; its font and alignment are the same in every
// language. Copied by value.
class TypedText
{
public:
    TypedText() : typedTextId(TYPED_TEXT_INVALID) {}
    explicit TypedText(TextId id) : typedTextId(id) {}

    bool hasValidId() const { return typedTextId != TYPED_TEXT_INVALID; }
    TextId getId() const { return typedTextId; }

    // Each of these asserts that a database is registered and that the id is in it.
    const WideChar* getText() const;
    const Font* getFont() const;
    Alignment getAlignment() const;
    int16_t getWidth() const;

    static void registerTypedTextDatabase(const TypedTextRecord* records, const Font* const* fontTable,
                                          uint16_t count);
    static void registerLanguageTable(const LanguageTable* table);
    static const LanguageTable* getLanguageTable() { return languageTable; }
    // Null until a database is registered.
    static const Font* const* getFontTable() { return fonts; }

    bool operator==(const TypedText& other) const { return typedTextId == other.typedTextId; }
    bool operator!=(const TypedText& other) const { return typedTextId != other.typedTextId; }

private:
    void assertValid() const;

    TextId typedTextId;

    static const TypedTextRecord* typedTexts;
    static const Font* const* fonts;
    static uint16_t numberOfTypedTexts;
    static const LanguageTable* languageTable;
};

// The places these assertions report are part of the messages tools look for.
inline void TypedText::assertValid() const
{
    QUILLON_ASSERT_AT(typedTexts != nullptr && "TypedText database has not been initialized.",
                      "framework/include/quillon/TypedText", 224);
    QUILLON_ASSERT_AT(typedTextId < numberOfTypedTexts && "typedTextId larger than numberOfTypedTexts.",
                      "framework/include/quillon/TypedText", 225);
}
} // namespace quillon

#endif
