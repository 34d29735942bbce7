#include "gui/screens/heating/ScreenDriving.hpp"
#include "gui/screens/info/InfoListBed.hpp"

#include "gui/pagemanager/ListPageSetting.hpp"
#include "gui/pagemanager/OverviewState.hpp"
#include "gui/screens/info/DHWView.hpp"
#include "gui/screens/info/GeneralView.hpp"
#include "model/devices/DeviceIds.hpp"

#include "support/screen/TextFit.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace
{
const char* const LANGUAGES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

// Every list of the two screens with as many lines as the devices allow, in every language:
// the top and the bottom of each list are kept as pictures, and a text wider than its field
// anywhere in the list fails.
class InfoPreviews : public ::testing::Test, public info::InfoListBed
{
protected:
    InfoPreviews()
    {
        diagnosisGeneral.setPointerParam(pagemanager::PointerParam(&diagnosisSetting));
        diagnosisDhw.setPointerParam(pagemanager::PointerParam(&diagnosisSetting));
    }

    struct Preview
    {
        const char* name;
        pagemanager::Page* page;
        std::uint8_t overview; // 0: as the page says; else Status with detail overview - 1
        std::initializer_list<std::uint32_t> devices;
    };

    void render(const Preview& preview, const char* language)
    {
        presentOnly(preview.devices);
        quillon::Screen* shown = nullptr;
        ListConfiguration* list = nullptr;
        if (preview.page->getId() == 46) {
            GeneralView* view = openPage<GeneralView>(*preview.page);
            ASSERT_NE(view, nullptr);
            if (preview.overview != 0) {
                view->showOverview(OverviewState{2, static_cast<std::uint8_t>(preview.overview - 1)});
            }
            shown = view;
            list = view;
        } else {
            DHWView* view = openPage<DHWView>(*preview.page);
            ASSERT_NE(view, nullptr);
            if (preview.overview != 0) {
                view->showOverview(OverviewState{2, 0});
            }
            shown = view;
            list = view;
        }
        app.bed.ticks(2);
        const std::string name = std::string(preview.name) + "-" + language;
        EXPECT_TRUE(test::writePreview(app, "info", name));
        GenericView* view = dynamic_cast<GenericView*>(shown);
        EXPECT_EQ(test::overwideTexts(view->getRootContainer()), std::vector<std::string>{});
        scrollToEnd(*list);
        EXPECT_TRUE(test::writePreview(app, "info", name + "-end"));
    }

    ListPageSetting diagnosisSetting{1, 0};
    pagemanager::Page diagnosisGeneral{46, 5, 120, false};
    pagemanager::Page diagnosisDhw{45, 5, 120, false};
};

TEST_F(InfoPreviews, EveryListInEveryLanguageFitsItsTexts)
{
    app.bed.frame().setCounting(false); // pictures and text fits only: no write counts
    sendCommonInfo([](std::uint8_t* bytes) { bytes[2] |= 0x04; });
    app.bed.deviceSends(groups().general.output21.getId(), std::uint8_t{1});
    app.bed.deviceSends(groups().general.internalExtensionOutput.getId(), std::uint8_t{1});
    const std::initializer_list<std::uint32_t> everyGeneral = {
        DEVICE_UNLOCKED, DEVICE_OUTSIDE_TEMPERATURE, DEVICE_SENSOR_SUPPLY, DEVICE_SUBSCRIBER_NUMBER,
        DEVICE_QN5,      DEVICE_XB3,                 DEVICE_OUTPUT_20};
    const std::initializer_list<std::uint32_t> fullHotWater = {DEVICE_UNLOCKED, DEVICE_DHW_HC1, DEVICE_DHW_HC2,
                                                               DEVICE_DHW_HC3,  DEVICE_CIRCULATION_A, DEVICE_BOILER_4};
    const std::initializer_list<std::uint32_t> dualMode = {DEVICE_UNLOCKED, DEVICE_DHW_HC1, DEVICE_CYLINDER_3};
    const Preview previews[] = {
        {"General-Information", &app.pages().generalInfoPage, 0, everyGeneral},
        {"General-Diagnosis", &diagnosisGeneral, 0, everyGeneral},
        {"General-Status", &app.pages().generalInfoPage, 2, fullHotWater},
        {"General-StatusDualMode", &app.pages().generalInfoPage, 2, dualMode},
        {"DHW-Information", &app.pages().dhwInfoPage, 0, fullHotWater},
        {"DHW-InformationDualMode", &app.pages().dhwInfoPage, 0, dualMode},
        {"DHW-Diagnosis", &diagnosisDhw, 0, fullHotWater},
        {"DHW-Status", &app.pages().dhwInfoPage, 1, fullHotWater},
        {"DHW-DiagnosisCharts", &diagnosisDhw, 0, {DEVICE_UNLOCKED, DEVICE_BOILER_4}},
    };
    for (int language = 0; language < 10; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (const Preview& preview : previews) {
            SCOPED_TRACE(std::string(preview.name) + " " + LANGUAGES[language]);
            render(preview, LANGUAGES[language]);
        }
    }
}
} // namespace
