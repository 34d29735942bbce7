#include <assets/GeneratedFonts.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/WildcardReader.hpp>

#include <gtest/gtest.h>

#include "support/TextReading.hpp"

#include <algorithm>
#include <string>
#include <vector>

using namespace quillon;
using quillon::test::readAll;
using quillon::test::text;

namespace
{
// A text read without arguments: "%s" vanishes, "%%" gives the sign.
std::u16string readPlain(const WideChar* format)
{
    WildcardReader reader;
    reader.initialize(format);
    std::u16string result;
    for (WideChar unit = reader.getNextChar(); unit != 0; unit = reader.getNextChar()) {
        result.push_back(static_cast<char16_t>(unit));
    }
    return result;
}

// The wildcards of a text in order; a "%" at the very end counts on its own.
std::vector<std::u16string> wildcardsOf(const std::u16string& units)
{
    std::vector<std::u16string> result;
    for (size_t i = 0; i < units.size(); ++i) {
        if (units[i] == u'%') {
            result.push_back(units.substr(i, 2));
            ++i;
        }
    }
    return result;
}

const WideChar* generatedText(LanguageId language, TextId id)
{
    return assets::textDatabase().languageTexts[language][id];
}

class GeneratedTexts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        assets::registerGeneratedTexts();
        LanguageTable::setLanguage(LANGUAGE_ENGLISH);
    }
    void TearDown() override { LanguageTable::setLanguage(LANGUAGE_ENGLISH); }
};
} // namespace

TEST_F(GeneratedTexts, DatabaseHoldsEveryTextOfEveryLanguage)
{
    const TextDatabase& database = assets::textDatabase();
    EXPECT_EQ(database.textCount, 1599);
    EXPECT_EQ(NUMBER_OF_LANGUAGES, 10);
    EXPECT_EQ(TypedText::getLanguageTable()->getTextCount(), 1599);
    for (LanguageId language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
        EXPECT_EQ(database.typedTextDatabases[language], database.typedTextDatabases[0]);
        for (TextId id = 0; id < database.textCount; ++id) {
            ASSERT_NE(generatedText(language, id), nullptr) << language << " " << id;
        }
    }
    for (TextId id = 0; id < database.textCount; ++id) {
        const TypedTextRecord& record = database.typedTextDatabases[0][id];
        EXPECT_LT(record.fontIndex, NUMBER_OF_FONTS) << id;
        EXPECT_LE(record.alignment, RIGHT) << id;
        EXPECT_EQ(record.reserved[0] | record.reserved[1] | record.reserved[2], 0) << id;
    }
}

TEST_F(GeneratedTexts, TextsFollowTheChosenLanguage)
{
    EXPECT_EQ(text(TypedText(200).getText()), u"Circulation pump");
    LanguageTable::setLanguage(LANGUAGE_GERMAN);
    EXPECT_EQ(text(TypedText(200).getText()), u"Trinkwasserzirkulationspumpe");
    LanguageTable::setLanguage(LANGUAGE_FRENCH);
    EXPECT_EQ(text(TypedText(43).getText()), u"azertyuiopèqsdfghjklmàwxcvbnù");
    // Font and alignment do not depend on the language.
    EXPECT_EQ(TypedText(19).getFont(), assets::fontTable[4]);
    EXPECT_EQ(TypedText(19).getAlignment(), CENTER);
}

TEST_F(GeneratedTexts, WildcardsReadAsDisplayed)
{
    EXPECT_EQ(readAll(TypedText(21).getText(), u"21.5"), u"21.5°C");
    EXPECT_EQ(readAll(TypedText(21).getText(), u""), u"°C");
    EXPECT_EQ(readPlain(TypedText(96).getText()), u"%");
}

TEST_F(GeneratedTexts, TranslationsKeepTheEnglishWildcards)
{
    for (TextId id = 0; id < assets::TEXT_COUNT; ++id) {
        const std::vector<std::u16string> english = wildcardsOf(text(generatedText(LANGUAGE_ENGLISH, id)));
        for (LanguageId language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
            EXPECT_EQ(wildcardsOf(text(generatedText(language, id))), english) << "language " << language << " id " << id;
        }
    }
}

TEST_F(GeneratedTexts, KeyboardTextsFitTheKeys)
{
    for (LanguageId language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
        for (TextId id = 34; id <= 43; ++id) {
            EXPECT_EQ(text(generatedText(language, id)).size(), 29u) << "language " << language << " id " << id;
        }
        EXPECT_EQ(text(generatedText(language, 41)).substr(0, 10), u"1234567890") << language;
        EXPECT_EQ(text(generatedText(language, 45)).substr(0, 10), u"1234567890") << language;
        EXPECT_EQ(text(generatedText(language, 46)).at(10), u'.') << language;
    }
}

TEST_F(GeneratedTexts, LanguageNamesReadTheSameInEveryLanguage)
{
    const TextId names[] = {1453, 1459, 1463, 1592, 1593, 1594, 1595, 1596, 1597, 1598};
    for (TextId id : names) {
        EXPECT_FALSE(text(generatedText(LANGUAGE_ENGLISH, id)).empty()) << id;
        for (LanguageId language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
            EXPECT_EQ(text(generatedText(language, id)), text(generatedText(LANGUAGE_ENGLISH, id))) << id;
        }
    }
    EXPECT_EQ(text(generatedText(LANGUAGE_GERMAN, 1463)), u"Deutsch");
}

// The energy screens' help and note texts say in every language what their screens explain:
// the cockpit's help in three paragraphs (collector, cylinder, energy balance button), the
// three-zone buffer help first the lower and upper values (741's text), then the middle one,
// and the consumption note in its three lines.
TEST_F(GeneratedTexts, EnergyHelpAndNoteTextsHoldEveryPartInEveryLanguage)
{
    for (LanguageId language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
        SCOPED_TRACE(language);
        const std::u16string cockpit = text(generatedText(language, 706));
        EXPECT_EQ(std::count(cockpit.begin(), cockpit.end(), u'\n'), 2);
        EXPECT_EQ(cockpit.find(u"\n\n"), std::u16string::npos);
        const std::u16string lowerAndUpper = text(generatedText(language, 741));
        const std::u16string threeZones = text(generatedText(language, 742));
        EXPECT_EQ(threeZones.rfind(lowerAndUpper, 0), 0u);
        EXPECT_GT(threeZones.size(), lowerAndUpper.size() + 20);
        const std::u16string note = text(generatedText(language, 844));
        EXPECT_EQ(std::count(note.begin(), note.end(), u'\n'), 2);
    }
    const std::u16string cockpit = text(generatedText(LANGUAGE_ENGLISH, 706));
    EXPECT_EQ(cockpit.rfind(u"The energy cockpit displays the temperature in the solar collector and heat content of the "
                            u"cylinder.\n",
                            0),
              0u);
    EXPECT_NE(cockpit.find(u"energy balance"), std::u16string::npos);
    EXPECT_EQ(text(generatedText(LANGUAGE_ENGLISH, 742)),
              u"The lower percentage value indicates the heat content of the cylinder heated by the collector, the "
              u"upper value indicates the heat content of the cylinder heated by the condensing boiler. The middle "
              u"value shows the heat content, which is available for heating circuits.");
    EXPECT_EQ(text(generatedText(LANGUAGE_ENGLISH, 844)),
              u"Please keep in mind that the following consumption\ndisplayed represent only approximate values.\n"
              u"For details, see the operating instructions.");
}

// A character missing from its font would be skipped with a warning on the panel.
TEST_F(GeneratedTexts, EveryDrawnCharacterIsInItsFont)
{
    const TextDatabase& database = assets::textDatabase();
    for (TextId id = 0; id < database.textCount; ++id) {
        const Font* font = database.fontTable[database.typedTextDatabases[0][id].fontIndex];
        ASSERT_NE(font, nullptr);
        for (LanguageId language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
            for (char16_t c : readPlain(generatedText(language, id))) {
                if (c != u'\n') {
                    EXPECT_NE(font->getGlyph(c), nullptr)
                        << "language " << language << " id " << id << " U+" << std::hex << static_cast<int>(c);
                }
            }
        }
    }
}
