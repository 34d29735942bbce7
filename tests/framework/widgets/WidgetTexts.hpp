#ifndef QUILLON_TESTS_WIDGETTEXTS_HPP
#define QUILLON_TESTS_WIDGETTEXTS_HPP

#include "framework/lcd/FixtureFont.hpp"

#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

#include <array>
#include <memory>

namespace quillon
{
namespace test
{
// Texts and fonts for the widget tests. Glyphs cover their whole box, so a drawn text is a
// set of solid blocks whose position can be checked pixel by pixel:
// - the label font: height 21, 3 below; 'M' 10 x 21 from the line top, advance 12, so a
//   label "M" is 21 high with no spacing above;
// - the text font: height 22, 4 below (full height 26); 'A' 8 x 10 from the line top, advance 10.
// German shows the texts doubled, the other nine languages as English.
class WidgetTexts
{
public:
    enum : TextId
    {
        LABEL,       // "M", label font, centred
        THREE_LINES, // "A\nA\nA", text font
        WILDCARD,    // "A%s", text font
        WORD,        // "AA" (German "AAAA"), text font
        NONE_FONT,   // "A" in a font slot left empty
        COUNT
    };
    static const uint8_t LABEL_FONT = 0;
    static const uint8_t TEXT_FONT = 1;
    static const uint8_t EMPTY_FONT = 2;

    WidgetTexts() : labelFont(21, 3, 4), textFont(22, 4, 4)
    {
        labelFont.glyph('M', 10, 21, 21, 0, 12);
        textFont.glyph('A', 8, 10, 22, 0, 10);
        english = {W(u"M"), W(u"A\nA\nA"), W(u"A%s"), W(u"AA"), W(u"A")};
        german = {W(u"MM"), W(u"A\nA\nA"), W(u"A%s"), W(u"AAAA"), W(u"A")};
        records[LABEL] = TypedTextRecord{LABEL_FONT, {0, 0, 0}, CENTER};
        records[THREE_LINES] = TypedTextRecord{TEXT_FONT, {0, 0, 0}, LEFT};
        records[WILDCARD] = TypedTextRecord{TEXT_FONT, {0, 0, 0}, LEFT};
        records[WORD] = TypedTextRecord{TEXT_FONT, {0, 0, 0}, LEFT};
        records[NONE_FONT] = TypedTextRecord{EMPTY_FONT, {0, 0, 0}, LEFT};
        fonts.fill(nullptr);
        fonts[LABEL_FONT] = &labelFont.font();
        fonts[TEXT_FONT] = &textFont.font();
        for (uint16_t language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
            tables[language] = language == LANGUAGE_GERMAN ? german.data() : english.data();
            databases[language] = records.data();
        }
        database.languageTexts = tables.data();
        database.typedTextDatabases = databases.data();
        database.fontTable = fonts.data();
        database.textCount = COUNT;
        TypedText::registerLanguageTable(&table);
        LanguageTable::setLanguage(LANGUAGE_ENGLISH);
    }

    ~WidgetTexts()
    {
        TypedText::registerLanguageTable(nullptr);
        TypedText::registerTypedTextDatabase(nullptr, nullptr, 0);
    }

    const Font& label() { return labelFont.font(); }
    const Font& text() { return textFont.font(); }

private:
    FixtureFont labelFont;
    FixtureFont textFont;
    std::array<const WideChar*, COUNT> english{};
    std::array<const WideChar*, COUNT> german{};
    std::array<const WideChar* const*, NUMBER_OF_LANGUAGES> tables{};
    std::array<TypedTextRecord, COUNT> records{};
    std::array<const TypedTextRecord*, NUMBER_OF_LANGUAGES> databases{};
    std::array<const Font*, NUMBER_OF_FONTS> fonts{};
    TextDatabase database{};
    LanguageTable table{database};
};
} // namespace test
} // namespace quillon

#endif
