#include "framework/text/FixtureTexts.hpp"
#include "support/TextReading.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/FontManager.hpp>
#include <quillon/WildcardReader.hpp>

#include <gtest/gtest.h>

#include <string>

using namespace quillon;
using quillon::test::readAll;
using quillon::test::text;
using quillon::test::FixtureTexts;
using quillon::test::W;

namespace
{
class TypedTextTest : public ::testing::Test
{
protected:
    void SetUp() override { texts.install(); }
    void TearDown() override
    {
        LanguageTable::setLanguage(LANGUAGE_GERMAN);
        TypedText::registerLanguageTable(nullptr);
        TypedText::registerTypedTextDatabase(nullptr, nullptr, 0);
    }
    FixtureTexts texts;
};
} // namespace

TEST(TypedTextDeathTest, UnregisteredDatabaseAndIdsOutsideAssert)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_FALSE(TypedText().hasValidId());
    EXPECT_FALSE(TypedText(0xFFFF).hasValidId());
    EXPECT_TRUE(TypedText(0).hasValidId());
    EXPECT_EQ(TypedText(12).getId(), 12);
    EXPECT_DEATH(TypedText(1).getText(),
                 "TypedText database has not been initialized.\", file framework/include/quillon/TypedText, line 224");
    EXPECT_DEATH(TypedText(1).getFont(), "TypedText database has not been initialized.");

    FixtureTexts texts;
    texts.install();
    EXPECT_DEATH(TypedText(FixtureTexts::TEXT_COUNT).getAlignment(),
                 "typedTextId larger than numberOfTypedTexts.\", file framework/include/quillon/TypedText, line 225");
    EXPECT_DEATH(TypedText(0xFFFF).getText(), "typedTextId larger than numberOfTypedTexts.");
    EXPECT_DEATH(TypedText(0xFFFF).getWidth(), "typedTextId larger than numberOfTypedTexts.");
    TypedText::registerLanguageTable(nullptr);
    TypedText::registerTypedTextDatabase(nullptr, nullptr, 0);
}

TEST_F(TypedTextTest, TextsFollowTheLanguage)
{
    EXPECT_EQ(LanguageTable::getLanguage(), LANGUAGE_ENGLISH);
    EXPECT_EQ(text(TypedText(200).getText()), u"Circulation pump");
    LanguageTable::setLanguage(LANGUAGE_GERMAN);
    EXPECT_EQ(text(TypedText(200).getText()), u"Trinkwasserzirkulationspumpe");
    LanguageTable::setLanguage(LANGUAGE_SWEDISH);
    EXPECT_EQ(LanguageTable::getLanguage(), LANGUAGE_SWEDISH);
    EXPECT_EQ(text(TypedText(200).getText()), u"Circulation pump");
}

TEST_F(TypedTextTest, LanguagesAboveNineChangeNothing)
{
    LanguageTable::setLanguage(LANGUAGE_GERMAN);
    for (LanguageId outside : {LanguageId(10), LanguageId(11), LanguageId(0xFFFF)}) {
        LanguageTable::setLanguage(outside);
        EXPECT_EQ(LanguageTable::getLanguage(), LANGUAGE_GERMAN);
        EXPECT_EQ(text(TypedText(200).getText()), u"Trinkwasserzirkulationspumpe");
    }
}

TEST_F(TypedTextTest, FontAlignmentAndWidthComeFromTheRecord)
{
    EXPECT_EQ(TypedText(21).getFont(), texts.font(2));
    EXPECT_EQ(TypedText(21).getAlignment(), CENTER);
    EXPECT_EQ(TypedText(200).getFont(), texts.font(3));
    EXPECT_EQ(TypedText(200).getAlignment(), RIGHT);
    EXPECT_EQ(TypedText(0).getAlignment(), LEFT);
    // "%s°C" without arguments: the wildcard vanishes, and only 'C' is in the fixture fonts.
    EXPECT_EQ(TypedText(21).getWidth(), 11);
}

TEST_F(TypedTextTest, WildcardsAreSubstitutedAsRead)
{
    EXPECT_EQ(readAll(TypedText(21).getText(), W(u"21.5")), u"21.5\u00B0C");
    EXPECT_EQ(readAll(TypedText(21).getText(), W(u"")), u"\u00B0C");
    EXPECT_EQ(readAll(TypedText(96).getText()), u"%");
    EXPECT_EQ(readAll(TypedText(97).getText()), u"50%"); // a final single '%' is kept, then the end
    EXPECT_EQ(readAll(TypedText(150).getText()), u"First\nSecond");
}

TEST(WildcardReader, Placeholders)
{
    EXPECT_EQ(readAll(W(u"%d|%i|%u|%o|%x|%c"), -12, 34, -1, 8, 0xAB, 'q'), u"-12|34|-1|10|AB|q");
    EXPECT_EQ(readAll(W(u"%c"), 0xB0), u"\u00B0");
    EXPECT_EQ(readAll(W(u"[%s]"), W(u"ab")), u"[ab]");
    EXPECT_EQ(readAll(W(u"a%qb")), u"a");       // an unknown placeholder ends the text
    EXPECT_EQ(readAll(W(u"%s"), nullptr), u""); // a null text vanishes
    EXPECT_EQ(readAll(nullptr), u"");
}

TEST(WildcardReader, WithoutArgumentsPlaceholdersVanish)
{
    WildcardReader reader;
    reader.initialize(W(u"%s\u00B0%d%%%c!"));
    std::u16string read;
    for (WideChar unit = reader.getNextChar(); unit != 0; unit = reader.getNextChar()) {
        read.push_back(static_cast<char16_t>(unit));
    }
    EXPECT_EQ(read, u"\u00B0%!");
}

TEST(WildcardReader, VanishingWildcardsDoNotExposeWhatFollows)
{
    EXPECT_EQ(readAll(W(u"%s%s"), W(u""), W(u"")), u"");
    EXPECT_EQ(readAll(W(u"%s%s"), nullptr, W(u"x")), u"x");
    EXPECT_EQ(readAll(W(u"%s%d"), W(u""), 7), u"7");
    EXPECT_EQ(readAll(W(u"%s%%"), W(u"")), u"%");
    EXPECT_EQ(readAll(W(u"a%s%s%sb"), W(u""), nullptr, W(u"")), u"ab");
}

TEST(WildcardReader, TwoReadersWalkTheSameArguments)
{
    struct Pair
    {
        static void read(std::u16string& first, std::u16string& second, const WideChar* format, ...)
        {
            va_list arguments;
            va_start(arguments, format);
            WildcardReader a;
            WildcardReader b;
            a.initialize(format, arguments);
            b.initialize(format, arguments);
            va_end(arguments);
            for (WideChar unit = a.getNextChar(); unit != 0; unit = a.getNextChar()) {
                first.push_back(static_cast<char16_t>(unit));
            }
            for (WideChar unit = b.getNextChar(); unit != 0; unit = b.getNextChar()) {
                second.push_back(static_cast<char16_t>(unit));
            }
        }
    };
    std::u16string first;
    std::u16string second;
    Pair::read(first, second, W(u"%s/%d"), W(u"x"), 5);
    EXPECT_EQ(first, u"x/5");
    EXPECT_EQ(second, u"x/5");
}

TEST_F(TypedTextTest, ApplicationFontProviderMapsTypographies)
{
    ApplicationFontProvider provider;
    EXPECT_EQ(provider.getFont(27), nullptr);
    EXPECT_EQ(provider.getFont(0xFFFF), nullptr);
    for (FontId id : {2, 7, 10, 11, 12, 13}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(provider.getFont(id), texts.font(2));
    }
    const uint8_t expected[27] = {0, 1, 2, 3, 4, 5, 6, 2, 3, 7, 2, 2, 2, 2, 3, 0, 2, 3, 2, 0, 2, 3, 2, 3, 2, 0, 2};
    for (FontId id = 0; id < 27; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(provider.getFont(id), texts.font(expected[id]));
    }
    EXPECT_EQ(ApplicationFontProvider().getFont(9), provider.getFont(9)); // any instance, same fonts

    EXPECT_EQ(FontRegistry::getFont(2), nullptr);
    FontRegistry::setProvider(&provider);
    EXPECT_EQ(FontRegistry::getFont(9), texts.font(7));
    FontRegistry::setProvider(nullptr);
}
