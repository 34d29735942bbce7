#ifndef QUILLON_TEXTS_HPP
#define QUILLON_TEXTS_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace quillon
{
class Font;

// Index of a text; the same id selects the text in every language.
typedef uint16_t TextId;
const TextId TYPED_TEXT_INVALID = 0xFFFF;

typedef uint16_t LanguageId;
enum : LanguageId
{
    LANGUAGE_GERMAN = 0,
    LANGUAGE_ENGLISH,
    LANGUAGE_FRENCH,
    LANGUAGE_DANISH,
    LANGUAGE_DUTCH,
    LANGUAGE_POLISH,
    LANGUAGE_ITALIAN,
    LANGUAGE_CZECH,
    LANGUAGE_SLOVAK,
    LANGUAGE_SWEDISH,
    NUMBER_OF_LANGUAGES
};

// Per line of a text.
typedef uint32_t Alignment;
const Alignment LEFT = 0;
const Alignment CENTER = 1;
const Alignment RIGHT = 2;

// Number of entries of a font table.
const uint16_t NUMBER_OF_FONTS = 8;

// Font and alignment of one text, the same in every language. 8 bytes.
struct TypedTextRecord
{
    uint8_t fontIndex;   // into the font table
    uint8_t reserved[3]; // 0
    Alignment alignment;
};
static_assert(sizeof(TypedTextRecord) == 8, "TypedTextRecord is an 8-byte asset record");

// The compiled-in text database, as generated:
// - languageTexts[language][textId]: 0-terminated UTF-16 strings, NUMBER_OF_LANGUAGES tables
//   of textCount entries each;
// - typedTextDatabases[language]: textCount records each (all languages may share one array);
// - fontTable: NUMBER_OF_FONTS fonts, indexed by TypedTextRecord::fontIndex.
struct TextDatabase
{
    const WideChar* const* const* languageTexts;
    const TypedTextRecord* const* typedTextDatabases;
    const Font* const* fontTable;
    uint16_t textCount;
};
} // namespace quillon

#endif
