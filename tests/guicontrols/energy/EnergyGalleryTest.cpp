// The energy widgets on screens, driven through the touch panel and frame ticks, checked,
// and written to widget-gallery/{energy,tank,cockpit,scheme}.png for review.

#include "guicontrols/EnergyBarScale.hpp"
#include "guicontrols/EnergyCockpitBuffer.hpp"
#include "guicontrols/EnergyCockpitBufferLoad.hpp"
#include "guicontrols/EnergyCockpitSolar.hpp"
#include "guicontrols/EnergyCockpitTemperatureWithPointer.hpp"
#include "guicontrols/EnergyHistogram.hpp"
#include "guicontrols/Gallery.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/SystemScheme.hpp"
#include "guicontrols/WaterTankDataProviderImpl.hpp"
#include "guicontrols/WaterTankGadget.hpp"
#include "guicontrols/WaterTankGadgetWithLabels.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/Box.hpp>

#include <memory>
#include <vector>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
class EnergyGalleryTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        background.setPosition(0, 0, 800, 480);
        background.setColor(0x0000);
        screen.add(background);
    }

    std::vector<quillon::Color> show()
    {
        application.switchScreen(&screen);
        frame.frames(1);
        return snapshot(frame);
    }

    // Two frames one above the other.
    static std::vector<quillon::Color> stacked(std::vector<quillon::Color> top, const std::vector<quillon::Color>& bottom)
    {
        top.insert(top.end(), bottom.begin(), bottom.end());
        return top;
    }

    quillon::Screen screen;
    quillon::Box background;
};

class GasBars : public IEnergyBarConfigurator
{
public:
    void configure(EnergyBar& bar) override
    {
        bar.setSegmentCount(2);
        bar.setColumnColor(Palette::entry(21));
        bar.setSegmentColor(Palette::entry(22), 0);
        bar.setSegmentColor(Palette::entry(23), 1);
        bar.setUnitDivisor(1);
    }
};

class BarRecorder
{
public:
    BarRecorder() : pressed(this, &BarRecorder::onBar), clicked(this, &BarRecorder::onButton) {}
    void onBar(const int& index) { bars.push_back(index); }
    void onButton(const quillon::AbstractButton&) { ++buttons; }
    quillon::Callback<BarRecorder, const int&> pressed;
    quillon::Callback<BarRecorder, const quillon::AbstractButton&> clicked;
    std::vector<int> bars;
    int buttons = 0;
};

// A cylinder hot at the top and cold at the bottom.
class Stratified : public WaterTankDataProviderImpl
{
public:
    Stratified() : WaterTankDataProviderImpl(nullptr) {}
    float getTemperature(uint32_t index) const override { return 88.0f - 3.6f * static_cast<float>(index); }
};

void recordClick(void* context, int id)
{
    static_cast<std::vector<int>*>(context)->push_back(id);
}
} // namespace

TEST_F(EnergyGalleryTest, Energy)
{
    const uint32_t heating[8] = {57, 12, 30, 41, 0, 25, 33, 18}; // newest first
    const uint32_t water[8] = {5, 6, 4, 8, 0, 3, 7, 9};
    std::unique_ptr<EnergyHistogram> histogram(new EnergyHistogram());
    EnergyBarScale scale;
    GasBars gas;
    BarRecorder recorder;
    histogram->setDate(helpers::DateTime(2026, 3, 11, 9, 0, 0));
    histogram->setXY(80, 40);
    histogram->setSegmentValues(heating, 0);
    histogram->setSegmentValues(water, 1);
    histogram->setConfiguration(EnergyHistogram::WEEK, gas);
    histogram->setBarClickedCallback(&recorder.pressed);
    scale.setPosition(5, 40, 80 - 15, histogram->getHeight());
    scale.setMaximum(histogram->getScaleStepCount());
    screen.add(*histogram);
    screen.add(scale);
    const std::vector<quillon::Color> week = show();

    // 57 + 5 = 62 kWh: 62 + 7 = 69, odd: 70 steps; the newest column is 260 * 62 / 70 high.
    EXPECT_EQ(histogram->getScaleStepCount(), 70u);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(scale.getNumber(1))), u"35");
    const int16_t columnX = 80 + 7 * 87 + 52 + 10;
    const int16_t bottom = 40 + 13 + 260;
    const int column7 = 260 * 62 / 70;
    const int heating7 = 57 * column7 / 62;
    const int water7 = 5 * column7 / 62;
    EXPECT_EQ(frame.count(Palette::entry(22), Rectangle(columnX, 40, 1, 287)), heating7);
    EXPECT_EQ(frame.count(Palette::entry(23), Rectangle(columnX, 40, 1, 287)), water7);
    EXPECT_EQ(frame.at(columnX, static_cast<int16_t>(bottom - 1)), Palette::entry(22));
    EXPECT_EQ(frame.at(columnX, static_cast<int16_t>(bottom - heating7 - 1)), Palette::entry(23));
    const int16_t emptyColumn = 80 + 3 * 87 + 52 + 10; // the bar of 0 kWh
    EXPECT_EQ(frame.count(Palette::entry(22), Rectangle(emptyColumn, 40, 1, 287)), 0);
    EXPECT_GT(frame.count(Palette::entry(21), Rectangle(emptyColumn, 40, 1, 287)), 200);

    // A press on the third bar from the left reports 2, at once.
    frame.touch().press(80 + 2 * 87 + 40, 200);
    frame.frames(1);
    EXPECT_EQ(recorder.bars, std::vector<int>{2});
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(recorder.bars, std::vector<int>{2});

    // The year, as its own screen builds it: three bars and the total.
    const uint32_t years[3] = {934, 870, 702};
    histogram->setVisible(false);
    std::unique_ptr<EnergyHistogram> yearly(new EnergyHistogram());
    yearly->setDate(helpers::DateTime(2026, 3, 11, 9, 0, 0));
    yearly->setXY(80, 40);
    yearly->setSegmentValues(years, 0);
    yearly->setConfiguration(EnergyHistogram::YEAR, gas);
    screen.add(*yearly);
    scale.setMaximum(yearly->getScaleStepCount());
    application.invalidate();
    frame.frames(1);
    const std::vector<quillon::Color> year = snapshot(frame);
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(254, 70, 439, 200)), 100); // "934 kWh"
    EXPECT_TRUE(writeGalleryPng("energy", 800, 960, stacked(week, year)));
}

TEST_F(EnergyGalleryTest, Tank)
{
    Stratified profile;
    WaterTankGadgetWithLabels labelled(&profile);
    WaterTankGadget plain(&profile);
    BarRecorder recorder;
    labelled.setXY(10, 100);
    plain.setXY(480, 100);
    plain.setAction(recorder.clicked);
    static const char16_t* const markers[5] = {u"88 \u00B0C", u"77 \u00B0C", u"56 \u00B0C", u"45 \u00B0C",
                                               u"27 \u00B0C"};
    static const char16_t* const columns[3] = {u"Top", u"Middle", u"Bottom"};
    for (uint8_t i = 0; i < 5; ++i) {
        labelled.setMarkerLabel(w(markers[i]), i);
    }
    for (uint8_t i = 0; i < 3; ++i) {
        labelled.setColumnLabel(w(columns[i]), i);
    }
    screen.add(labelled);
    screen.add(plain);
    const std::vector<quillon::Color> pixels = show();

    // Rows by layer: the hot top red, the cold bottom blue.
    const int16_t x = 480 + 81 + 62;
    EXPECT_EQ(frame.at(x, 100 + 16 + 10), profile.getColor(0));
    EXPECT_EQ(frame.at(x, 100 + 16 + 11), profile.getColor(1));
    EXPECT_EQ(frame.at(x, 100 + 16 + 210), profile.getColor(19));
    EXPECT_EQ(profile.getColor(0), quillon::colorFromRGB(255, 0, 0));
    EXPECT_EQ(profile.getColor(20), quillon::colorFromRGB(8, 0, 255));
    const int16_t tx = static_cast<int16_t>(10 + labelled.getTankX());
    EXPECT_EQ(frame.at(static_cast<int16_t>(tx + 81 + 62), 100 + 16 + 100), frame.at(x, 100 + 16 + 100));

    frame.click(600, 200);
    EXPECT_EQ(recorder.buttons, 1);
    EXPECT_TRUE(writeGalleryPng("tank", 800, 480, pixels));
}

TEST_F(EnergyGalleryTest, Cockpit)
{
    EnergyCockpitSolar solar;
    EnergyCockpitBuffer buffer;
    EnergyCockpitBufferLoad gauge;
    EnergyCockpitTemperatureWithPointer upper;
    EnergyCockpitTemperatureWithPointer lower;
    BarRecorder recorder;
    solar.setXY(20, 20);
    solar.setText(w(u"65 \u00B0C")); // whole degrees: one decimal would not fit the 140-px band
    buffer.setXY(230, 100);
    buffer.setAction(recorder.clicked);
    gauge.setXY(600, 20);
    gauge.setChargeState(w(u"75 %%"));
    upper.setPosition(520, 150, 120, upper.getHeight());
    upper.setText(w(u"62 \u00B0C"));
    lower.setPosition(520, 300, 120, lower.getHeight());
    lower.setText(w(u"38 \u00B0C"));
    for (quillon::Drawable* d : std::initializer_list<quillon::Drawable*>{&solar, &buffer, &gauge, &upper, &lower}) {
        screen.add(*d);
    }
    const std::vector<quillon::Color> released = show();
    EXPECT_GT(frame.count(Palette::entry(8), Rectangle(22, 145, 140, 50)), 30);
    EXPECT_EQ(frame.count(Palette::entry(8), Rectangle(22, 145, 1, 50)), 0); // not cut at the band's edges
    EXPECT_EQ(frame.count(Palette::entry(8), Rectangle(22 + 139, 145, 1, 50)), 0);
    const Rectangle band = EnergyCockpitBufferLoad::chargeBand();
    EXPECT_GT(frame.count(Palette::entry(8), Rectangle(600, static_cast<int16_t>(20 + band.y), 165, band.height)), 20);

    // The buffer shows no pressed look; its action runs on the release.
    frame.touch().press(370, 230);
    frame.frames(2);
    EXPECT_EQ(snapshot(frame), released);
    EXPECT_EQ(recorder.buttons, 0);
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(recorder.buttons, 1);
    EXPECT_TRUE(writeGalleryPng("cockpit", 800, 480, released));
}

TEST_F(EnergyGalleryTest, Scheme)
{
    std::vector<int> clicks;
    std::unique_ptr<SystemScheme> main(new SystemScheme(0, 0));
    SystemScheme::Configuration everything;
    everything.scheme = 10;
    everything.solarCode = 27;
    everything.boilerCode = 57;
    everything.flag1 = 1;
    everything.flag2 = 1;
    everything.circuitOptions[1] = 1;
    everything.circuitOptions[2] = 2;
    main->setConfiguration(everything);
    main->setClickHandler(&clicks, &recordClick);
    main->setXY(60, 20); // scrolled: the last circuits cross the right edge
    screen.add(*main);
    const std::vector<quillon::Color> mainView = show();

    // The last two circuits at 722 and 829 on the display: the first is cut to W = 789 - 722,
    // so its bar (from X - 11, W + 11 long) ends at 789; the second is off the display.
    EXPECT_EQ(main->getTile(7).getAbsoluteRect().x, 722);
    EXPECT_EQ(main->getTile(8).getAbsoluteRect().x, 829);
    const int16_t lineY = 20 + 20 + 264 + 10;
    EXPECT_EQ(frame.count(Palette::entry(11), Rectangle(60 + 175, lineY, 789 - 235, 1)), 789 - 235);
    EXPECT_EQ(frame.at(789, lineY), 0x0000);
    EXPECT_EQ(frame.at(722 + 67 / 2, lineY - 15), Palette::entry(11)); // the stub in the middle of what is left

    frame.click(60 + 555 + 40, 150); // B6
    EXPECT_EQ(clicks, std::vector<int>{5});
    // Pressed, then dragged off the tile: no call.
    frame.touch().press(60 + 341 + 40, 150);
    frame.frames(2);
    frame.touch().press(60 + 341 + 40, 420);
    frame.frames(2);
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(clicks, std::vector<int>{5});
    // The remove view: display-only tiles, and the two remove buttons.
    main->setVisible(false);
    std::unique_ptr<SystemScheme> remover(new SystemScheme(1, 0));
    SystemScheme::Configuration six = everything;
    six.scheme = 6;
    remover->setConfiguration(six);
    remover->setClickHandler(&clicks, &recordClick);
    screen.add(*remover);
    application.invalidate();
    frame.frames(1);
    const std::vector<quillon::Color> removeView = snapshot(frame);
    const Rectangle circuitRemover = remover->getRemoveCircuitButton().getAbsoluteRect();
    const Rectangle cylinderRemover = remover->getRemoveCylinderButton().getAbsoluteRect();
    frame.click(static_cast<int16_t>(circuitRemover.x + 35), static_cast<int16_t>(circuitRemover.y + 35));
    frame.click(static_cast<int16_t>(cylinderRemover.x + 35), static_cast<int16_t>(cylinderRemover.y + 35));
    frame.click(static_cast<int16_t>(remover->getTile(3).getX() + 40), 150); // display only: nothing
    EXPECT_EQ(clicks, (std::vector<int>{5, 9, 10}));
    EXPECT_GT(frame.count(Palette::entry(3), Rectangle(0, lineY - 20, 800, 1)), 0); // pipes in the mode colour
    EXPECT_TRUE(writeGalleryPng("scheme", 800, 960, stacked(mainView, removeView)));
}
