#include "model/rpc/CodingParameterTable.hpp"

#include <assets/GeneratedTexts.hpp>

#include <gtest/gtest.h>

#include "support/TextReading.hpp"

#include <string>

using quillon::test::text;

namespace
{
std::u16string textOf(quillon::LanguageId language, uint16_t id)
{
    if (id >= assets::TEXT_COUNT) {
        return u"<no text id>";
    }
    return text(assets::textDatabase().languageTexts[language][id]);
}

// Every language has its own wording, never an empty one.
void expectTranslated(uint16_t id)
{
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        SCOPED_TRACE(language);
        EXPECT_FALSE(textOf(static_cast<quillon::LanguageId>(language), id).empty());
    }
}

void expectText(uint16_t id, const char16_t* english)
{
    EXPECT_EQ(textOf(quillon::LANGUAGE_ENGLISH, id), english);
    expectTranslated(id);
}

const model::CodingParameterRecord& rowOf(uint16_t address)
{
    const uint32_t row = model::findCodingParameter(address);
    EXPECT_LT(row, model::CODING_PARAMETER_COUNT);
    return model::codingParameter(row);
}

uint16_t valueText(const model::CodingParameterRecord& record, uint16_t value)
{
    const model::CodingValueList& list = model::codingValueList(record.valueList);
    for (uint32_t i = 0; i < list.count; ++i) {
        if (list.pairs[i].value == value) {
            return list.pairs[i].text;
        }
    }
    return model::CODING_NO_TEXT;
}
} // namespace

TEST(CodingParameterTexts, NamedGroupsShowTheirName)
{
    struct Case
    {
        uint8_t group;
        const char16_t* english;
    };
    const Case cases[] = {
        {0, u"Unknown"},
        {1, u"Boiler"},
        {2, u"DHW"},
        {3, u"General"},
        {4, u"Heating circuit 1"},
        {5, u"Heating circuit 2"},
        {6, u"Heating circuit 3"},
        {9, u"Solar"},
        {10, u"All parameters"},
        {15, u"Combustion controller"},
        {15 + 17, u"Combustion controller"}, // taken modulo 17
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        expectText(model::codingGroupText(c.group), c.english);
    }
    EXPECT_EQ(model::codingGroupText(7), model::CODING_NO_TEXT); // unnamed: shown as "Unknown"
    expectText(model::codingUnknownGroupText(), u"Unknown");
}

TEST(CodingParameterTexts, KnownRowsHaveTheirNameUnitAndValueTexts)
{
    struct Case
    {
        uint16_t address;
        const char16_t* name;
        const char16_t* unit; // none: no unit
    };
    // Each heating circuit's rows carry the same texts.
    const Case cases[] = {
        {0x27A0, u"Remote control", nullptr},
        {0x37A0, u"Remote control", nullptr},
        {0x27A3, u"Temperature limits frost protection function", u"cp. service manual"},
        {0x27A6, u"Heating limit: absolute summer economy mode", u"°C"},
        {0x27E2, u"Correction of the actual room temperature", u"K"},
        {0x47E2, u"Correction of the actual room temperature", u"K"},
        {0xCF0F, u"Solar circuit flow rate", u"l/min"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        const model::CodingParameterRecord& record = rowOf(c.address);
        expectText(record.nameText, c.name);
        if (c.unit == nullptr) {
            EXPECT_EQ(record.unitText, model::CODING_NO_TEXT);
        } else {
            expectText(record.unitText, c.unit);
        }
    }
}

TEST(CodingParameterTexts, ListedValuesHaveTheirText)
{
    struct Case
    {
        uint16_t address;
        uint16_t value;
        const char16_t* english;
    };
    const Case cases[] = {
        {0x27A0, 0, u"Without remote control"},
        {0x27A0, 1, u"With Telvo 200"},
        {0x27A0, 2, u"With Telvo 300"},
        {0x47A0, 2, u"With Telvo 300"},
        {0x27A6, 36, u"None"},
        {0x37A6, 36, u"None"},
        {0x27E2, 50, u"None"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.address << " = " << c.value);
        expectText(valueText(rowOf(c.address), c.value), c.english);
    }
}
