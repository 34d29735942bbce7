#ifndef QUILLON_TESTS_FIXTURETEXTS_HPP
#define QUILLON_TESTS_FIXTURETEXTS_HPP

#include "framework/lcd/FixtureFont.hpp"

#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

#include <array>
#include <memory>
#include <vector>

namespace quillon
{
namespace test
{
// A small text database in the generated format: 201 texts, German and English of their
// own, the other eight languages showing the English table; eight fonts of distinct heights.
class FixtureTexts
{
public:
    static const uint16_t TEXT_COUNT = 201;

    FixtureTexts()
    {
        german.assign(TEXT_COUNT, W(u""));
        english.assign(TEXT_COUNT, W(u""));
        english[21] = W(u"%s\u00B0C");
        english[96] = W(u"%%");
        english[97] = W(u"50%");
        english[150] = W(u"First\nSecond");
        english[200] = W(u"Circulation pump");
        german[21] = W(u"%s\u00B0C");
        german[200] = W(u"Trinkwasserzirkulationspumpe");
        for (uint16_t language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
            tables[language] = language == LANGUAGE_GERMAN ? german.data() : english.data();
            databases[language] = records.data();
        }
        records.fill(TypedTextRecord{0, {0, 0, 0}, LEFT});
        records[21] = TypedTextRecord{2, {0, 0, 0}, CENTER};
        records[200] = TypedTextRecord{3, {0, 0, 0}, RIGHT};
        for (uint16_t font = 0; font < NUMBER_OF_FONTS; ++font) {
            fixtureFonts[font].reset(new FixtureFont(static_cast<uint16_t>(20 + font), 4, 4));
            fixtureFonts[font]->glyph('C', 10, 12, 12, 0, 11).glyph('i', 3, 12, 12, 0, 4);
            fonts[font] = &fixtureFonts[font]->font();
        }
        database.languageTexts = tables.data();
        database.typedTextDatabases = databases.data();
        database.fontTable = fonts.data();
        database.textCount = TEXT_COUNT;
    }

    // Registers the database and selects a language, as the GUI task does at start-up.
    void install(LanguageId language = LANGUAGE_ENGLISH)
    {
        TypedText::registerLanguageTable(&table);
        LanguageTable::setLanguage(language);
    }

    const Font* font(uint16_t index) const { return fonts[index]; }

private:
    std::vector<const WideChar*> german;
    std::vector<const WideChar*> english;
    std::array<const WideChar* const*, NUMBER_OF_LANGUAGES> tables{};
    std::array<TypedTextRecord, TEXT_COUNT> records{};
    std::array<const TypedTextRecord*, NUMBER_OF_LANGUAGES> databases{};
    std::array<std::unique_ptr<FixtureFont>, NUMBER_OF_FONTS> fixtureFonts;
    std::array<const Font*, NUMBER_OF_FONTS> fonts{};
    TextDatabase database{};
    LanguageTable table{database};
};
} // namespace test
} // namespace quillon

#endif
