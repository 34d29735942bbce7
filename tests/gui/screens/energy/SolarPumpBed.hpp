#ifndef TESTS_GUI_SCREENS_ENERGY_SOLARPUMPBED_HPP
#define TESTS_GUI_SCREENS_ENERGY_SOLARPUMPBED_HPP

#include "gui/common/GenericView.hpp"
#include "gui/screens/infocircuit/InfoListBed.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/energy/SolarPumpBase.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/PlotDrawing.hpp"

#include <cstring>
#include <string>
#include <vector>

namespace solarpump_test
{
const std::uint32_t SOLAR_INFO = 253;        // 0x6580
const std::uint32_t CALIBRATION_SPEED = 623; // 0xCF06
const std::uint32_t CALIBRATION_FLOW = 626;  // 0xCF0F, tenths of l/min
const std::uint32_t ABSORBER_SURFACE = 666;  // 0xE0C8
const std::uint32_t COLLECTOR_COUNT = 673;   // 0xE111
const std::uint32_t COLLECTOR_TYPE = 674;    // 0xE112
const std::uint16_t SERVICE_LEVEL = 13;

using infocircuit_test::utf8;

// The solar pump and absorber screens on the real application, with the device calls and
// writes recorded, entered at the service level unless a test asks otherwise.
class SolarPumpBed : public infocircuit_test::InfoListBed
{
protected:
    void SetUp() override
    {
        InfoListBed::SetUp();
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
        app.pageManager().setAccessLevel(SERVICE_LEVEL);
    }

    void calibration(std::uint8_t flowTenths, std::uint8_t speed)
    {
        app.bed.deviceSends(CALIBRATION_FLOW, flowTenths);
        app.bed.deviceSends(CALIBRATION_SPEED, speed);
    }
    void pumpRecord(std::uint8_t speed, std::uint32_t starts = 5234, std::uint16_t hours = 3120)
    {
        solar_info record = app.bed.model().getGroups().idSolar.solarInfo.getValue();
        record.bytes[1] = speed;
        std::memcpy(record.bytes + 22, &starts, sizeof(starts));
        std::memcpy(record.bytes + 26, &hours, sizeof(hours));
        app.bed.deviceSends(SOLAR_INFO, record);
    }

    // From the home screen, as a page of the tree opens it.
    template <class V>
    V& open(pagemanager::Page& page)
    {
        app.open(app.pages().mainPage, true);
        app.open(page);
        app.bed.ticks(1);
        V* view = app.screen<V>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    void press(const GenericView& view, std::uint8_t button)
    {
        click(view.getBottomBar().getButton(button));
        app.bed.ticks(1);
    }

    void forgetWrites() { timeprogram_test::deviceLog().clear(); }
    // Addresses of the writes, in order.
    std::vector<std::string> writtenAddresses() const
    {
        std::vector<std::string> found;
        for (const std::string& entry : writes()) {
            found.push_back(entry.substr(2, 4));
        }
        return found;
    }

    // Where the point of a speed belongs on a chart of that full scale, in display pixels.
    static quillon::Rectangle expectedMarker(const guicontrols::PlotBackground& chart, std::uint8_t speed, float maxFlow)
    {
        const int32_t y = guicontrols::valueToPixel(speed / 100.0f * maxFlow, chart.getPlotAreaY() + 72.0f,
                                                    chart.getPlotAreaHeight(), 0.0f, maxFlow);
        const int32_t x = chart.getPlotAreaX() + speed * chart.getPlotAreaWidth() / 100;
        return quillon::Rectangle(static_cast<std::int16_t>(x - 3), static_cast<std::int16_t>(y - 3), 8, 8);
    }
    std::vector<std::string> flowLabels(const SolarPumpBase& chart) const
    {
        std::vector<std::string> labels;
        for (std::uint8_t i = 0; i < SolarPumpBase::FLOW_LABELS; ++i) {
            labels.push_back(utf8(chart.getChart().getYLabel(i).getText()));
        }
        return labels;
    }
    bool hasMask() { return app.pageManager().getParam<Params::Commissioning>(nullptr) != nullptr; }
};
} // namespace solarpump_test

#endif
