#include "ProviderFixture.hpp"

#include "guicontrols/EnumProvider.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
class EnumProviderTest : public ProviderTest
{
protected:
    void SetUp() override
    {
        ProviderTest::SetUp();
        index = entryOf(DP_U8);
        dataPoint = EnumProvider::DataPointType(index);
    }

    void show(uint8_t value) { put(index, value); }

    uint32_t index = 0;
    EnumProvider::DataPointType dataPoint;
};
} // namespace

TEST_F(EnumProviderTest, ValueAndLabelKinds)
{
    struct Case
    {
        uint32_t kind;
        uint8_t bullet;
        uint8_t value;
        const char16_t* left;
        const char16_t* right;
    };
    const Case cases[] = {
        {0, 0, 7, u"● External program", u""},
        {2, 0, 3, u"●", u""},
        {11, 0, 2, u"● Active, warming on setpoint 1", u""},
        {11, 0, 4, u"● Active, warming on setpoint 1", u""},
        {17, 0, 1, u"● LNG", u""},
        {8, 0, 0, u"Type of cylinder", u"---"},
        {8, 1, 3, u"● Type of cylinder", u"Dual mode cylinder"},
        {9, 0, 7, u"● Language", u"Deutsch"},
        {12, 0, 3, u"● Type of heating circuit", u""},
        {14, 0, 12, u"● Ext solar ctrl func (with DT2)", u"No extended control function enabled"},
        {15, 0, 0, u"Ext solar ctrl func (with DT2)", u"OFF"},
        {15, 0, 255, u"Ext solar ctrl func (with DT2)", u"255"},
        {18, 1, 1, u"●", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EnumProvider provider(&dataPoint, c.kind, c.bullet);
        show(c.value);
        EXPECT_EQ(text(provider.getText(0)), c.left);
        EXPECT_EQ(text(provider.getSecondText(0)), c.right);
    }
}

TEST_F(EnumProviderTest, DestratificationPumpRunsForTheAuxiliaryFunctions)
{
    for (uint8_t bullet = 0; bullet < 2; ++bullet) {
        EnumProvider provider(&dataPoint, 16, bullet);
        EXPECT_EQ(text(provider.getText(0)), bullet ? u"● Destratification pump" : u"Destratification pump");
        for (uint8_t value = 0; value < 8; ++value) {
            SCOPED_TRACE(value);
            show(value);
            const bool yes = value == 1 || value == 3 || value == 6;
            EXPECT_EQ(text(provider.getSecondText(0)), yes ? u"Yes" : u"No");
        }
    }
}

TEST_F(EnumProviderTest, TextsFollowTheLanguageAtOnce)
{
    EnumProvider provider(&dataPoint, 0, 0);
    show(0);
    const std::u16string english = text(provider.getText(0));
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_GERMAN);
    const std::u16string german = text(provider.getText(0));
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    EXPECT_NE(english, german);
    EXPECT_EQ(german.substr(0, 2), u"● ");
}
