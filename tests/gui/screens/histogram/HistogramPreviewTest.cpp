#include "HistogramBed.hpp"

#include "support/screen/TextFit.hpp"

#include "gui/screens/energy/EnergyBalanceView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewView.hpp"
#include "gui/screens/histogram/GasConsumptionDetailsView.hpp"
#include "gui/screens/histogram/GasConsumptionOverviewView.hpp"
#include "gui/screens/histogram/SolarDetailsView.hpp"
#include "gui/screens/histogram/SolarOverviewView.hpp"

#include <sys/stat.h>

#include "guicontrols/Gallery.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const char* const LANGUAGES[10] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

void writePreview(test::HistogramBed& histogram, const std::string& name)
{
    std::vector<quillon::Color> pixels = histogram.app.bed.frame().pixels();
    // Beside the widget gallery, in the build tree.
    mkdir("widget-gallery", 0755);
    mkdir("screen-previews", 0755);
    mkdir("screen-previews/histogram", 0755);
    EXPECT_TRUE(guicontrols::test::writeGalleryPng("../screen-previews/histogram/" + name, 800, 480, pixels));
}

// Every screen of the histories and the balance in every language: no text wider than its
// field, and a picture to look at.
TEST(HistogramPreview, EveryScreenInEveryLanguage)
{
    quillon::WideChar label[4] = {'1', '2', 0, 0};
    for (int language = 0; language < 10; ++language) {
        // A fresh application per language: the stored selections start empty.
        test::HistogramBed histogram;
        histogram.setDevice(9, true);
        histogram.setDevice(60, true);
        Pages& pages = histogram.app.pages();
        histogram.app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        struct Road
        {
            const char* name;
            pagemanager::Page* page;
            std::uint32_t interval; // for the details: the period
            bool details;
        };
        const Road roads[] = {
            {"gas-overview-weeks", &pages.gasOverviewPage, 1, false},
            {"gas-details-week", &pages.gasDetailsPage, 1, true},
            {"electricity-overview-months", &pages.electricityOverviewPage, 2, false},
            {"electricity-details-day", &pages.electricityDetailsPage, 0, true},
            {"solar-overview-years", &pages.solarOverviewPage, 3, false},
            {"solar-details-month", &pages.solarDetailsPage, 2, true},
            {"energy-balance-weeks", &pages.energyBalancePage, 1, false},
            {"energy-balance-days", &pages.energyBalancePage, 0, false},
        };
        for (const Road& road : roads) {
            const std::string name = std::string(road.name) + "-" + LANGUAGES[language];
            SCOPED_TRACE(name);
            if (road.details) {
                histogram.leave(*road.page);
                histogram.app.pageManager().setParam(HistogramSelection{road.interval, 2, 5, label});
                histogram.app.open(*road.page);
                histogram.app.bed.ticks(1);
            } else {
                histogram.openWith(*road.page, road.interval);
            }
            quillon::Screen* screen = histogram.app.app.getCurrentScreen();
            ASSERT_NE(screen, nullptr);
            std::vector<std::string> overwide = test::overwideTexts(screen->getRootContainer());
            // The bars' labels are drawn turned upright along the 200 px of their field; the
            // walk measures them against its 70 px width.
            overwide.erase(std::remove_if(overwide.begin(), overwide.end(),
                                          [](const std::string& line) {
                                              return line.find("in a field of 70 px") != std::string::npos;
                                          }),
                           overwide.end());
            EXPECT_TRUE(overwide.empty()) << (overwide.empty() ? "" : overwide.front());
            writePreview(histogram, name);
        }
    }
}
} // namespace
