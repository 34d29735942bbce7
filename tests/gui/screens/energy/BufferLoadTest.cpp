#include "EnergyBed.hpp"

#include "gui/screens/energy/BufferLoadOneTimeChargeView.hpp"
#include "gui/screens/energy/BufferLoadView.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using screens::DeviceWrite;
using screens::str;

class BufferLoad : public ::testing::Test, public test::EnergyBed
{
protected:
    BufferLoadView& open(std::initializer_list<std::uint32_t> flags)
    {
        fromHome(pages().bufferLoadPage, flags);
        BufferLoadView* view = app.screen<BufferLoadView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    std::vector<std::u16string> columns(BufferLoadView& view)
    {
        std::vector<std::u16string> texts;
        for (std::uint8_t j = 0; j < view.getColumnCount(); ++j) {
            texts.push_back(str(view.getText(BufferLoadView::FIRST_COLUMN_BUFFER + j)));
        }
        return texts;
    }
    std::vector<std::u16string> markers(BufferLoadView& view)
    {
        std::vector<std::u16string> texts;
        for (std::uint8_t i = 0; i < view.getMarkerCount(); ++i) {
            texts.push_back(str(view.getText(i)));
        }
        return texts;
    }
};

TEST_F(BufferLoad, ArrangementsByBoilerVariantAndCylinderType)
{
    struct Case
    {
        const char* name;
        std::initializer_list<std::uint32_t> flags;
        std::uint8_t markers; // 0: no labelled tank
        quillon::BitmapId picture; // 0: no picture
        bool upperField, lowerField, upperPointer, lowerPointer, sun;
        quillon::TextId help;
    };
    const Case cases[] = {
        {"variant 4: three zones", {60}, 5, 0, false, false, false, false, true, 742},
        {"variant 1 without a cylinder flag: two zones", {57}, 4, 0, false, false, false, false, true, 741},
        {"no flags at all: two zones", {}, 4, 0, false, false, false, false, true, 741},
        {"type 4", {57, 64}, 4, 0, false, false, false, false, true, 741},
        {"variant 2", {58, 26, 62}, 0, 31, true, false, false, false, false, 740},
        {"variant 3 without solar flags", {59}, 0, 31, true, true, false, false, true, 741},
        {"type 1: single buffer", {57, 61, 26}, 0, 30, false, false, true, false, false, 740},
        {"type 2 without solar", {57, 62}, 0, 30, false, false, true, true, false, 740},
        {"type 3 with solar", {57, 63, 28}, 0, 30, false, false, true, true, true, 740},
        {"type 5 as types 2 and 3", {57, 65, 27}, 0, 30, false, false, true, true, true, 740},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BufferLoadView& view = open(c.flags);
        EXPECT_EQ(view.isShown(view.getTank()), c.markers != 0);
        EXPECT_EQ(view.getMarkerCount(), c.markers);
        EXPECT_EQ(view.getColumnCount(), c.markers == 5 ? 3 : c.markers == 4 ? 2 : 0);
        EXPECT_EQ(view.isShown(view.getPicture()), c.picture != 0);
        if (c.picture != 0) {
            EXPECT_EQ(view.getPicture().getBitmap().getId(), c.picture);
        }
        EXPECT_EQ(view.isShown(view.getUpperField()), c.upperField);
        EXPECT_EQ(view.isShown(view.getLowerField()), c.lowerField);
        EXPECT_EQ(view.isShown(view.getUpperPointer()), c.upperPointer);
        EXPECT_EQ(view.isShown(view.getLowerPointer()), c.lowerPointer);
        EXPECT_EQ(view.isShown(view.getSun()), c.sun);
        EXPECT_EQ(view.isShown(view.getSolarArrows()), c.sun);
        // Every arrangement heats by the boiler and offers the one-time charge.
        EXPECT_TRUE(view.isShown(view.getBoilerArrows()));
        EXPECT_TRUE(view.isShown(view.getFlame()));
        EXPECT_TRUE(view.isShown(view.getChargeButton()));
        EXPECT_TRUE(view.isShown(view.getChargeLabel()));
        EXPECT_EQ(str(view.getHelpText()), str(quillon::TypedText(c.help).getText()));
        EXPECT_EQ(str(view.getTopBar().getTitleField().getText()), u"Charge state");
    }
}

TEST_F(BufferLoad, ZoneLabelsReadTheirChargeValues)
{
    app.bed.deviceSends(test::ZONE_0, std::uint8_t{11});
    app.bed.deviceSends(test::ZONE_1, std::uint8_t{22});
    app.bed.deviceSends(test::ZONE_2, std::uint8_t{33});
    BufferLoadView& two = open({57});
    EXPECT_EQ(columns(two), (std::vector<std::u16string>{u"11 %%", u"33 %%"})); // zone 1 reads 0xE09A
    BufferLoadView& three = open({60});
    EXPECT_EQ(columns(three), (std::vector<std::u16string>{u"11 %%", u"22 %%", u"33 %%"}));
    app.bed.deviceSends(test::ZONE_1, std::uint8_t{100});
    app.bed.ticks(1);
    EXPECT_EQ(columns(three)[1], u"100 %%");
}

TEST_F(BufferLoad, MarkersShowTheirElementsAndNeverDashes)
{
    // Elements 0..10 of the calculated temperatures; 8 is a negative value.
    temperature_11 calculated = {};
    const std::int16_t tenths[11] = {612, 598, 583, 566, 549, 530, 511, 493, -55, 455, 200};
    for (int e = 0; e < 11; ++e) {
        calculated.bytes[2 * e] = static_cast<std::uint8_t>(tenths[e] & 0xFF);
        calculated.bytes[2 * e + 1] = static_cast<std::uint8_t>((tenths[e] >> 8) & 0xFF);
    }
    app.bed.deviceSends(test::CALCULATED, calculated);
    BufferLoadView& five = open({60});
    EXPECT_EQ(markers(five), (std::vector<std::u16string>{u"61°C", u"60°C", u"55°C", u"49°C", u"-6°C"})); // 0, 1, 4, 7, 8
    BufferLoadView& four = open({57, 64});
    EXPECT_EQ(markers(four), (std::vector<std::u16string>{u"61°C", u"57°C", u"53°C", u"49°C"})); // 0, 3, 5, 7
}

TEST_F(BufferLoad, TemperatureFieldsAndPointersShowDashesForAFlaggedValue)
{
    BufferLoadView& view = open({59});
    EXPECT_EQ(str(view.getUpperField().getText()), u"49°C"); // common_info 486 tenths
    EXPECT_EQ(str(view.getLowerField().getText()), u"49°C"); // solar_info 486 tenths
    sendTenths(test::COMMON_INFO, 16, 605, 0);
    sendTenths(test::SOLAR_INFO, 5, -15, 0);
    app.bed.ticks(1);
    EXPECT_EQ(str(view.getUpperField().getText()), u"61°C");
    EXPECT_EQ(str(view.getLowerField().getText()), u"-2°C");
    sendTenths(test::COMMON_INFO, 16, 605, 6);
    sendTenths(test::SOLAR_INFO, 5, 300, 1);
    app.bed.ticks(1);
    EXPECT_EQ(str(view.getUpperField().getText()), u"---");
    EXPECT_EQ(str(view.getLowerField().getText()), u"---");

    BufferLoadView& buffer = open({57, 62});
    EXPECT_EQ(str(buffer.getText(0)), u"---");
    EXPECT_EQ(str(buffer.getText(1)), u"---");
}

TEST_F(BufferLoad, ArrowsFollowTheirSources)
{
    BufferLoadView& view = open({60});
    EXPECT_TRUE(view.getBoilerArrows().isRunning()); // the seeds heat by the boiler
    EXPECT_FALSE(view.getSolarArrows().isRunning());
    sendRecord<solar_info>(test::SOLAR_INFO, {{0, 0x03}});
    app.bed.deviceSends(test::HOT_WATER_STATE, std::uint8_t{0});
    app.bed.ticks(25);
    EXPECT_TRUE(view.getSolarArrows().isRunning());
    EXPECT_FALSE(view.getBoilerArrows().isRunning());
    EXPECT_EQ(view.getBoilerArrows().getBitmap().getId(), 32);
}

TEST_F(BufferLoad, LayoutOfTheLabelledTank)
{
    BufferLoadView& view = open({60});
    EXPECT_EQ(view.getSun().getX(), 30);
    EXPECT_EQ(view.getSun().getY(), 220);
    EXPECT_EQ(view.getSolarArrows().getX(), 80);
    const int16_t tankLeft = static_cast<int16_t>(view.getTank().getX() + view.getTank().getTankX());
    EXPECT_EQ(tankLeft, 75 + 180);
    EXPECT_EQ(view.getBoilerArrows().getX(), tankLeft + guicontrols::WaterTankGadget::GADGET_WIDTH + 50);
    EXPECT_EQ(view.getChargeButton().getX(), view.getBoilerArrows().getX() + 35);
    EXPECT_EQ(view.getChargeLabel().getY(), view.getChargeButton().getY() + 80 + 15);
    // Everything inside the content area.
    const quillon::Drawable* parts[] = {&view.getFlame(), &view.getChargeLabel(), &view.getTank()};
    for (const quillon::Drawable* part : parts) {
        EXPECT_LE(part->getX() + part->getWidth(), 800);
        EXPECT_LE(part->getY() + part->getHeight(), 337);
    }
}

TEST_F(BufferLoad, ChargeButtonOpensTheOneTimeChargeWhichWritesTheCommandEachTime)
{
    BufferLoadView& view = open({60});
    forgetWrites();
    clickOn(view.getChargeButton());
    EXPECT_EQ(current(), &pages().bufferLoadOneTimeChargePage);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x65F5, 1}}));

    BufferLoadOneTimeChargeView* charge = app.screen<BufferLoadOneTimeChargeView>();
    ASSERT_NE(charge, nullptr);
    EXPECT_EQ(str(charge->getTopBar().getTitleField().getText()), u"One time charge");
    EXPECT_EQ(str(charge->getMessage().getText()), u"The DHW cylinder starts heating up.\nThe process can take some time.");
    for (std::uint8_t b = 0; b < 5; ++b) {
        SCOPED_TRACE(b);
        EXPECT_FALSE(charge->getBottomBar().getButton(b).isTouchable()); // no home, back, help or notice
    }
    EXPECT_EQ(charge->getBottomBar().getButton(5).getIcon().getId(), 210);
    EXPECT_EQ(charge->getHelpText(), nullptr);

    clickBottomButton(charge->getBottomBar(), 5);
    EXPECT_EQ(current(), &pages().bufferLoadPage); // OK goes back, writing nothing
    EXPECT_EQ(writes().size(), 1u);

    clickOn(app.screen<BufferLoadView>()->getChargeButton());
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x65F5, 1}, {0x65F5, 1}})); // entered twice: two writes
}
} // namespace
