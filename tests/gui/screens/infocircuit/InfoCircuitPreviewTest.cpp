#include "InfoListBed.hpp"

#include "gui/screens/heating/ScreenDriving.hpp"
#include "gui/screens/infocircuit/HCxView.hpp"
#include "gui/screens/infocircuit/LANInfoView.hpp"
#include "gui/screens/infocircuit/ResetDataView.hpp"
#include "gui/screens/infocircuit/SolarView.hpp"
#include "guicontrols/LiteralText.hpp"

#include "support/screen/TextFit.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace infocircuit_test
{
namespace
{
const char* const LANGUAGES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};
const quillon::FontId LONG_BUTTON_FONT = 2;
const int LONG_BUTTON_TEXT_WIDTH = 658 - 2 * 25;
const int VALUE_GAP = 20;

// A long button draws its own texts: its label and its right-aligned value must not meet.
std::vector<std::string> crowdedButtons(const ResetDataView& view)
{
    const quillon::Font* font = ApplicationFontProvider().getFont(LONG_BUTTON_FONT);
    std::vector<std::string> crowded;
    for (std::uint32_t i = 0; i < view.getButtonCount(); ++i) {
        const guicontrols::LongButton& button = view.getButton(i);
        const int width = guicontrols::LiteralText::getWidth(font, button.getText()) + VALUE_GAP +
                          guicontrols::LiteralText::getWidth(font, button.getValueText());
        if (width > LONG_BUTTON_TEXT_WIDTH) {
            crowded.push_back(utf8(button.getText()) + ": " + std::to_string(width) + " px");
        }
    }
    return crowded;
}

std::vector<std::string> crowdedAction(const guicontrols::ButtonItem& item)
{
    const quillon::Font* font = ApplicationFontProvider().getFont(LONG_BUTTON_FONT);
    const int width = guicontrols::LiteralText::getWidth(font, item.getButton().getText());
    return width > LONG_BUTTON_TEXT_WIDTH ? std::vector<std::string>{utf8(item.getButton().getText())}
                                          : std::vector<std::string>{};
}

// The English texts are the system's own and stay as they are, though these two meet at the
// list's font size (label up to x 289, value from x 288).
const char* const KNOWN_CROWDED[] = {"Operating status | Heating constantly OFF/ON"};

// A list line draws its label from the left and its value from the right: they must not meet.
class CrowdedLines : public quillon::GenericCallback<quillon::Drawable&>
{
public:
    explicit CrowdedLines(const guicontrols::ListControl& list)
    {
        const_cast<guicontrols::ItemsArea&>(list.getItemsArea()).forEachChild(*this);
    }
    void execute(quillon::Drawable& child) override
    {
        auto* item = dynamic_cast<guicontrols::BaseTextItem*>(&child);
        if (item == nullptr || !item->getSecondTextField().hasText()) {
            return;
        }
        const guicontrols::TextField& label = item->getTextField();
        const guicontrols::TextField& value = item->getSecondTextField();
        const quillon::Rectangle l = label.getAbsoluteRect();
        const quillon::Rectangle v = value.getAbsoluteRect();
        const int labelEnd = l.x + label.getFont()->getStringWidth(label.getText());
        const int valueStart = v.x + v.width - value.getFont()->getStringWidth(value.getText());
        const std::string pair = utf8(label.getText()) + " | " + utf8(value.getText());
        if (std::find(std::begin(KNOWN_CROWDED), std::end(KNOWN_CROWDED), pair) != std::end(KNOWN_CROWDED)) {
            return;
        }
        if (labelEnd + VALUE_GAP > valueStart) {
            found.push_back(utf8(label.getText()) + " | " + utf8(value.getText()) + ": label to " +
                            std::to_string(labelEnd) + ", value from " + std::to_string(valueStart));
        }
    }
    bool isValid() const override { return true; }

    std::vector<std::string> found;
};

std::vector<std::string> crowdedLines(const guicontrols::ListControl& list)
{
    return CrowdedLines(list).found;
}

class InfoCircuitPreviews : public InfoListBed
{
protected:
    void SetUp() override
    {
        InfoListBed::SetUp();
        // Every line of every list: all conditions true.
        for (std::uint32_t index : {151u, 144u, 142u, 128u, 127u, 145u}) {
            app.bed.deviceSends(index, static_cast<unsigned char>(1));
        }
        hc_info info = {};
        info.bytes[0] = 0x89;
        app.bed.deviceSends(138, info);
        app.bed.deviceSends(134, static_cast<unsigned char>(18));
        app.bed.deviceSends(22, -12.5f);
        solar_info solar = {};
        solar.bytes[0] = 0x3F;
        std::uint32_t big = 99999; // five digits: years of counting
        for (std::uint32_t at : {14u, 22u, 32u, 40u, 44u}) {
            std::memcpy(solar.bytes + at, &big, 4);
        }
        app.bed.deviceSends(253, solar);
        app.bed.deviceSends(27, 99999u * 3600u);
        app.bed.deviceSends(20, 999999u);
        // Values as long as a module reports them in practice; a text of the full 32 characters
        // does not fit beside its label in the list's font.
        const struct
        {
            std::uint32_t index;
            const char* value;
        } texts[] = {
            {636, "proxy.stadtwerke.de"}, {638, "h.mustermann"},
            {639, "Xk9#mQ2!vL7@"}, {646, "Musterhaus 12a"},
            {645, "4711081520"}, {647, "2024-05-17"}, {648, "LANM-00A1B2"},
        };
        for (const auto& t : texts) {
            lan_text value = {};
            std::memcpy(value.characters, t.value, std::strlen(t.value));
            if (t.index == 645 || t.index == 647 || t.index == 648) { // the 16-byte texts
                lan_password shorter = {};
                std::memcpy(shorter.characters, t.value, std::strlen(t.value));
                app.bed.deviceSends(t.index, shorter);
            } else {
                app.bed.deviceSends(t.index, value);
            }
        }
        app.bed.deviceSends(643, 0xFFFFFFFFu);
        app.bed.deviceSends(644, 0x520A0C69u); // "10.12.105R"
        setFlags({0, 1, 2, 8, 28, 29, 30, 31, 32, 35, 36, 44, 50, 70}, {60, 64});
        unsigned short name[21] = {u'W', u'W', u'W', u'W', u'W', u'W', u'W', u'W', u'W', u'W',
                                   u'W', u'W', u'W', u'W', u'W', u'W', u'W', u'W', u'W', u'W'};
        groups().settings.hc2.set(name);
    }
    void TearDown() override
    {
        unsigned short empty[21] = {};
        groups().settings.hc2.set(empty);
        InfoListBed::TearDown();
    }

    GenericView& current()
    {
        GenericView* view = dynamic_cast<GenericView*>(app.app.getCurrentScreen());
        EXPECT_NE(view, nullptr);
        return *view;
    }

    // The screen as it stands and, for a list, scrolled to its end: every text fits its field.
    void check(const std::string& name, const guicontrols::ScrollArea* list)
    {
        app.bed.ticks(2);
        EXPECT_TRUE(test::writePreview(app, "infocircuit", name));
        EXPECT_EQ(test::overwideTexts(current().getRootContainer()), std::vector<std::string>{}) << name;
        if (list != nullptr && list->getDownButton().isVisible()) {
            scrollToEnd(*list);
            EXPECT_TRUE(test::writePreview(app, "infocircuit", name + "-end"));
        }
    }

    // Down to the last line in a few long steps, so the end of every list can be looked at.
    void scrollToEnd(const guicontrols::ScrollArea& list)
    {
        guicontrols::ScrollArea& area = const_cast<guicontrols::ScrollArea&>(list);
        area.setScrollStep(static_cast<std::uint16_t>(list.getMaxScrollOffset()));
        click(list.getDownButton());
    }

    void checkTitle(GenericView& view)
    {
        EXPECT_EQ(utf8(view.getTopBar().getTitleField().getText()), utf8(view.getTitle())) << "title cut";
    }

    template <class V>
    V& openSetting(std::uint16_t pageId, std::uint32_t diagnosis, std::uint32_t circuit)
    {
        setting = {diagnosis, circuit};
        ownPage = pagemanager::Page(pageId, 5, 120, false);
        ownPage.setPointerParam(pagemanager::PointerParam(&setting));
        return openPage<V>(ownPage);
    }

    ListPageSetting setting = {0, 0};
    pagemanager::Page ownPage{47, 5, 120, false};
};

TEST_F(InfoCircuitPreviews, EveryScreenInEveryLanguageFitsItsTexts)
{
    app.bed.frame().setCounting(false); // pictures and text fits only: no write counts
    for (int language = 0; language < 10; ++language) {
        const std::string suffix = std::string("-") + LANGUAGES[language];
        SCOPED_TRACE(LANGUAGES[language]);
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));

        HCxView& information = openPage<HCxView>(app.pages().circuit2InfoPage);
        checkTitle(information);
        EXPECT_EQ(crowdedAction(information.getActionItem()), std::vector<std::string>{});
        EXPECT_EQ(crowdedLines(information.getListControl()), std::vector<std::string>{});
        check("HCx-information" + suffix, &information.getListControl());
        for (std::uint8_t status = 0; status < 4; ++status) { // every operating status beside its label
            heating_info info = {};
            info.bytes[1] = status;
            app.bed.deviceSends(140, info);
            app.bed.ticks(1);
            EXPECT_EQ(crowdedLines(information.getListControl()), std::vector<std::string>{}) << int(status);
        }
        HCxView& diagnosis = openSetting<HCxView>(47, 1, 2);
        checkTitle(diagnosis);
        EXPECT_EQ(crowdedLines(diagnosis.getListControl()), std::vector<std::string>{});
        check("HCx-diagnosis" + suffix, &diagnosis.getListControl());

        SolarView& solarInformation = openPage<SolarView>(app.pages().solarInfoPage);
        checkTitle(solarInformation);
        EXPECT_EQ(crowdedLines(solarInformation.getListControl()), std::vector<std::string>{});
        check("Solar-information" + suffix, &solarInformation.getListControl());
        SolarView& solarDiagnosis = openSetting<SolarView>(50, 1, 0);
        for (std::uint32_t entry : {0u, 1u}) {
            EXPECT_EQ(crowdedAction(solarDiagnosis.getActionItem(entry)), std::vector<std::string>{});
        }
        EXPECT_EQ(crowdedLines(solarDiagnosis.getListControl()), std::vector<std::string>{});
        check("Solar-diagnosis" + suffix, &solarDiagnosis.getListControl());

        LANInfoView& lan = openPage<LANInfoView>(app.pages().lanInfoPage);
        checkTitle(lan);
        EXPECT_EQ(crowdedLines(lan.getListControl()), std::vector<std::string>{});
        check("LANInfo" + suffix, &lan.getListControl());

        ResetDataView& resetInformation = openPage<ResetDataView>(app.pages().resetDataPage);
        checkTitle(resetInformation);
        EXPECT_EQ(crowdedButtons(resetInformation), std::vector<std::string>{});
        check("ResetData-information" + suffix, nullptr);
        ResetDataView& resetDiagnosis = openSetting<ResetDataView>(49, 1, 0);
        EXPECT_EQ(crowdedButtons(resetDiagnosis), std::vector<std::string>{});
        check("ResetData-diagnosis" + suffix, &resetDiagnosis.getScrollArea());
        click(resetDiagnosis.getButton(8)); // the longest counter name in the question
        check("ResetData-confirm" + suffix, nullptr);
        click(resetDiagnosis.getBottomBar().getButton(ConfirmViewMode::YES_BUTTON));
        check("ResetData-feedback" + suffix, nullptr);
    }
}

// No page opens Status: the mode is chosen before the presenter is bound.
class StatusHCxView : public HCxView
{
public:
    StatusHCxView() : HCxView(ListChoice{LIST_MODE_STATUS, 2, true}) {}
};
class StatusSolarView : public SolarView
{
public:
    StatusSolarView() : SolarView(ListChoice{LIST_MODE_STATUS, 0, true}) {}
};

template <class V, class P>
void checkStatus(test::ScreenTestBed& bed, const std::string& name)
{
    bed.show<V, P>();
    bed.ticks(2);
    V& view = bed.view<V>();
    std::vector<quillon::Color> pixels = bed.frame().pixels();
    mkdir("screen-previews", 0755);
    mkdir("screen-previews/infocircuit", 0755);
    mkdir("widget-gallery", 0755);
    EXPECT_TRUE(guicontrols::test::writeGalleryPng("../screen-previews/infocircuit/" + name, 800, 480, pixels));
    EXPECT_EQ(test::overwideTexts(view.getRootContainer()), std::vector<std::string>{}) << name;
    EXPECT_EQ(crowdedLines(view.getListControl()), std::vector<std::string>{}) << name;
    EXPECT_EQ(utf8(view.getTopBar().getTitleField().getText()), utf8(view.getTitle())) << "title cut";
}

TEST(InfoCircuitStatusPreviews, TheStatusListsInEveryLanguageFitTheirTexts)
{
    test::ScreenTestBed bed;
    model::DeviceManager& devices = bed.model().getDeviceManager();
    const std::uint32_t flags[] = {29, 30, 31, 32, 35, 36};
    bool found[6];
    for (int i = 0; i < 6; ++i) {
        found[i] = devices.isPresent(flags[i]);
        devices.setPresent(flags[i]);
    }
    hc_info info = {};
    info.bytes[0] = 0x08;
    bed.deviceSends(191, info);
    bed.deviceSends(198, static_cast<unsigned char>(1));
    for (int language = 0; language < 10; ++language) {
        SCOPED_TRACE(LANGUAGES[language]);
        bed.setLanguage(static_cast<quillon::LanguageId>(language));
        checkStatus<StatusHCxView, HCxPresenter>(bed, std::string("HCx-status-") + LANGUAGES[language]);
        checkStatus<StatusSolarView, SolarPresenter>(bed, std::string("Solar-status-") + LANGUAGES[language]);
    }
    for (int i = 0; i < 6; ++i) {
        devices.setPresence(flags[i], found[i]);
    }
}
} // namespace
} // namespace infocircuit_test
