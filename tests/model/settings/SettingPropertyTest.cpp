#include "model/settings/FakeEeprom.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/settings/SettingsGroup.hpp"

#include <quillon/WideString.hpp>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

using model::SettingIds;
using model::SettingsGroup;
using model::SettingsStorage;
using quillon::WideChar;

namespace
{
std::u16string text(const WideChar* units)
{
    std::u16string result;
    while (*units) {
        result.push_back(static_cast<char16_t>(*units++));
    }
    return result;
}

std::vector<WideChar> wide(const std::u16string& source)
{
    std::vector<WideChar> units(source.begin(), source.end());
    units.push_back(0);
    return units;
}

class RecordingSettingListener : public model::ISettingChangeListener
{
public:
    explicit RecordingSettingListener(std::vector<std::pair<int, std::uint32_t>>* log = nullptr, int name = 0)
        : log(log), name(name)
    {
    }
    void onSettingChanged(std::uint32_t settingId) override
    {
        ids.push_back(settingId);
        if (log) {
            log->push_back({name, settingId});
        }
    }
    std::vector<std::uint32_t> ids;
    std::vector<std::pair<int, std::uint32_t>>* log;
    int name;
};

// The model's store over an EEPROM of the test's own; started fresh unless a test puts
// records first and restarts.
class Settings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        store().usePages(FakeEeprom::pages());
        store().init();
    }
    void TearDown() override
    {
        store().usePages(SettingsStorage::boardPages());
        store().init();
    }
    static SettingsStorage& store() { return SettingsStorage::getInstance(); }
    static bool stored(model::SettingId id)
    {
        const std::uint8_t* data = nullptr;
        return store().getData(id, &data) == model::STORE_OK;
    }

    FakeEeprom eeprom;
    SettingsGroup settings;
};
} // namespace

TEST_F(Settings, FreshStoreGivesTheDefaults)
{
    const int calibration[6] = {234539, 1517, -82750113, -524, 178086, -124788165};
    EXPECT_EQ(std::memcmp(settings.tsCalibration.get(), calibration, sizeof(calibration)), 0);
    struct Scalar { std::uint32_t value, expected; model::SettingId id; };
    const Scalar scalars[] = {
        {settings.language.get(), 0, SettingIds::LANGUAGE},
        {settings.normalLight.get(), 90, SettingIds::NORMAL_LIGHT},
        {settings.standbyLight.get(), 10, SettingIds::STANDBY_LIGHT},
        {settings.units.get(), 0, SettingIds::UNITS},
        {settings.timeFormat.get(), 0, SettingIds::TIME_FORMAT},
        {settings.dateFormat.get(), 0, SettingIds::DATE_FORMAT},
        {settings.buzzer.get(), 1, SettingIds::SETTING_BUZZER},
        {settings.favourites.get(), 228, SettingIds::FAVOURITES},
        {settings.initTime.get(), 0, SettingIds::INIT_TIME},
        {settings.wizzardStart.get(), 0, SettingIds::WIZZARD_START},
    };
    for (const Scalar& s : scalars) {
        EXPECT_EQ(s.value, s.expected) << SettingsStorage::getKey(s.id);
        // Only a default that is not all zeros needs a record.
        EXPECT_EQ(stored(s.id), s.expected != 0) << SettingsStorage::getKey(s.id);
    }
    EXPECT_EQ(text(settings.opPass.get()), u"gravel.fin");
    EXPECT_EQ(text(settings.servPass.get()), u"plover");
    for (auto* empty : {&settings.hc1, &settings.hc2, &settings.hc3}) {
        EXPECT_EQ(text(empty->get()), u"");
        EXPECT_FALSE(stored(empty->getSettingId()));
    }
    for (auto* empty : {&settings.servAddress, &settings.name, &settings.telephone, &settings.mobile, &settings.email}) {
        EXPECT_EQ(text(empty->get()), u"");
        EXPECT_FALSE(stored(empty->getSettingId()));
    }
    EXPECT_TRUE(stored(SettingIds::OP_PASS));
}

TEST_F(Settings, MembersCarryTheirIds)
{
    struct Case { const model::BaseSettingProperty& property; model::SettingId id; };
    const Case cases[] = {
        {settings.tsCalibration, 2}, {settings.language, 3}, {settings.normalLight, 4},
        {settings.standbyLight, 5}, {settings.units, 6}, {settings.dateFormat, 7},
        {settings.timeFormat, 8}, {settings.buzzer, 9}, {settings.opPass, 10},
        {settings.favourites, 11}, {settings.servPass, 12}, {settings.menuPass, 13},
        {settings.masterPass, 14}, {settings.servAddress, 15}, {settings.hc1, 16}, {settings.hc2, 17},
        {settings.hc3, 18}, {settings.name, 19}, {settings.telephone, 20}, {settings.mobile, 21},
        {settings.email, 22}, {settings.initTime, 23}, {settings.wizzardStart, 24},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.property.getSettingId(), c.id);
        EXPECT_EQ(c.property.getKind(), model::IProperty::KIND_SETTING);
    }
}

TEST_F(Settings, FirstReadStoresANonZeroDefaultAndTellsTheListeners)
{
    RecordingSettingListener light, language;
    settings.normalLight.addListener(&light);
    settings.language.addListener(&language);

    EXPECT_EQ(settings.normalLight.get(), 90);
    EXPECT_EQ(light.ids, std::vector<std::uint32_t>{SettingIds::NORMAL_LIGHT});
    EXPECT_EQ(settings.normalLight.get(), 90); // now from the record: nobody told again
    EXPECT_EQ(light.ids.size(), 1u);

    EXPECT_EQ(settings.language.get(), 0u);
    EXPECT_EQ(settings.language.get(), 0u);
    EXPECT_TRUE(language.ids.empty());
    EXPECT_FALSE(stored(SettingIds::LANGUAGE));
}

TEST_F(Settings, SetTellsEachListenerOnceAndOnlyOfANewValue)
{
    std::vector<std::pair<int, std::uint32_t>> log;
    RecordingSettingListener first(&log, 1), second(&log, 2), third(&log, 3), fourth(&log, 4);
    for (auto* listener : {&first, &second, &third, &fourth}) {
        settings.language.addListener(listener);
    }
    EXPECT_EQ(settings.language.getListenerCount(), 3u); // the fourth is ignored

    EXPECT_TRUE(settings.language.set(0u)); // the current value
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(settings.language.set(7u));
    const std::vector<std::pair<int, std::uint32_t>> expected = {{1, 3}, {2, 3}, {3, 3}};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(settings.language.isChanged());
    EXPECT_EQ(settings.language.get(), 7u);
    EXPECT_FALSE(settings.language.isChanged()); // get clears it

    log.clear();
    settings.language = 7u; // again: nobody told
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(static_cast<unsigned int>(settings.language), 7u);
    settings.language = 0u; // back to the zero default is a real change
    EXPECT_EQ(log.size(), 3u);
    EXPECT_EQ(settings.language.get(), 0u);
}

TEST_F(Settings, RemoveListenerTakesEveryOccurrence)
{
    RecordingSettingListener twice, once;
    settings.buzzer.addListener(&twice);
    settings.buzzer.addListener(&once);
    settings.buzzer.addListener(&twice);
    settings.buzzer.removeListener(&twice);
    EXPECT_EQ(settings.buzzer.getListenerCount(), 1u);
    settings.buzzer = 0;
    EXPECT_TRUE(twice.ids.empty());
    EXPECT_EQ(once.ids, std::vector<std::uint32_t>{SettingIds::SETTING_BUZZER});
}

TEST_F(Settings, PasswordLengths)
{
    RecordingSettingListener listener;
    settings.servPass.addListener(&listener);
    const auto sixteen = wide(u"abcdefghijklmnop");
    const auto seventeen = wide(u"abcdefghijklmnopq");
    EXPECT_TRUE(settings.servPass.set(sixteen.data()));
    EXPECT_EQ(text(settings.servPass.get()), u"abcdefghijklmnop");
    listener.ids.clear();

    EXPECT_FALSE(settings.servPass.set(seventeen.data()));
    EXPECT_TRUE(settings.servPass.isChanged()); // marked even when refused
    EXPECT_TRUE(listener.ids.empty());
    EXPECT_EQ(text(settings.servPass.get()), u"abcdefghijklmnop");
}

TEST_F(Settings, LongDefaultsKeepSixteenUnits)
{
    const std::u16string menu = text(SettingsGroup::getDefaultMenuPassword());
    EXPECT_EQ(menu.size(), 18u);
    EXPECT_EQ(text(settings.menuPass.get()), menu.substr(0, 16));
    EXPECT_EQ(text(settings.masterPass.get()).size(), 16u);
    // Restoring the full default is refused, as any 18-unit text is.
    EXPECT_FALSE(settings.menuPass.set(SettingsGroup::getDefaultMenuPassword()));
    EXPECT_EQ(text(settings.menuPass.get()), menu.substr(0, 16));

    EXPECT_EQ(text(SettingsGroup::getDefaultOperatorPassword()), u"gravel.fin");
    EXPECT_EQ(text(SettingsGroup::getDefaultServicePassword()), u"plover");
    EXPECT_TRUE(settings.opPass.set(SettingsGroup::getDefaultOperatorPassword()));
}

TEST_F(Settings, TextLimitsPerSize)
{
    struct Case { model::SettingProperty<unsigned short[21]>* circuit; };
    const auto twenty = wide(u"ABCDEFGHIJKLMNOPQRST");
    const auto twentyOne = wide(u"ABCDEFGHIJKLMNOPQRSTU");
    EXPECT_TRUE(settings.hc2.set(twenty.data()));
    EXPECT_FALSE(settings.hc2.set(twentyOne.data()));
    EXPECT_EQ(text(settings.hc2.get()), u"ABCDEFGHIJKLMNOPQRST");

    const auto twentySix = wide(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const auto twentySeven = wide(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ!");
    EXPECT_TRUE(settings.email.set(twentySix.data()));
    EXPECT_FALSE(settings.email.set(twentySeven.data()));
    EXPECT_EQ(text(settings.email.get()), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST_F(Settings, DefaultCircuitNames)
{
    EXPECT_EQ(text(SettingsGroup::getDefaultHeatingCircuitName(0)), u"Heizkreis 1");
    EXPECT_EQ(text(SettingsGroup::getDefaultHeatingCircuitName(2)), u"Heizkreis 3");
    EXPECT_EQ(SettingsGroup::getDefaultHeatingCircuitName(3), nullptr);
    EXPECT_EQ(SettingsGroup::getDefaultHeatingCircuitName(255), nullptr);
}

TEST_F(Settings, FailedWriteIsNotToldButHoldsForThisRun)
{
    RecordingSettingListener listener;
    settings.standbyLight.addListener(&listener);
    eeprom.failWrites = true;
    EXPECT_FALSE(settings.standbyLight.set(55));
    EXPECT_TRUE(listener.ids.empty());
    EXPECT_EQ(settings.standbyLight.get(), 55);
}

TEST_F(Settings, CalibrationRoundTrip)
{
    const int values[6] = {1, -2, 3, -4, 5, -6};
    EXPECT_TRUE(settings.tsCalibration.set(values));
    store().init(); // a restart keeps it in this EEPROM
    EXPECT_EQ(std::memcmp(settings.tsCalibration.get(), values, sizeof(values)), 0);
}

TEST_F(Settings, AFilterHearsOfAStoredSetting)
{
    model::DefaultPropertyFilter filter;
    filter.add(&settings.normalLight);
    filter.clearChanged();
    settings.normalLight = 40;
    EXPECT_TRUE(filter.takeChanged());
    settings.normalLight = 40;
    EXPECT_FALSE(filter.takeChanged());
    filter.removeAll();
    EXPECT_EQ(settings.normalLight.getListenerCount(), 0u);
}

// Records with a good CRC that this setting could not have written read as missing: the
// default applies and nothing is read beyond the record.
TEST_F(Settings, RecordsOfTheWrongShapeGiveTheDefault)
{
    const std::uint8_t none[1] = {};
    eeprom.putRecord(SettingIds::NORMAL_LIGHT, none, 0);                 // no byte at all
    const std::uint8_t wordOfFavourites[2] = {0x34, 0x12};
    eeprom.putRecord(SettingIds::FAVOURITES, wordOfFavourites, 2);       // half a word
    const int twoInts[2] = {7, 8};
    eeprom.putRecord(SettingIds::SETTING_TS_CALIBRATION, twoInts, 8);    // 2 of 6 ints
    WideChar unterminated[27];
    for (WideChar& unit : unterminated) {
        unit = 'x';
    }
    eeprom.putRecord(SettingIds::NAME, unterminated, 54);                // no terminator
    const WideChar tooLong[20] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j',
                                  'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r', 's', 0};
    eeprom.putRecord(SettingIds::OP_PASS, tooLong, sizeof(tooLong));     // 19 units in a 17-unit setting
    const std::uint8_t oddText[3] = {'a', 0, 0};
    eeprom.putRecord(SettingIds::HC1, oddText, 3);                       // half a unit
    store().init();

    EXPECT_EQ(settings.normalLight.get(), 90);
    EXPECT_EQ(settings.favourites.get(), 228u);
    EXPECT_EQ(settings.tsCalibration.get()[5], -124788165);
    EXPECT_EQ(text(settings.name.get()), u"");
    EXPECT_EQ(text(settings.opPass.get()), u"gravel.fin");
    EXPECT_EQ(text(settings.hc1.get()), u"");
    // A set then stores a record of the right shape.
    EXPECT_TRUE(settings.name.set(wide(u"Meier").data()));
    EXPECT_EQ(text(settings.name.get()), u"Meier");
    EXPECT_TRUE(settings.normalLight.set(0));
    EXPECT_EQ(settings.normalLight.get(), 0);
}

TEST_F(Settings, AValueSetOverABrokenRecordIsKept)
{
    const std::uint8_t light = 50;
    eeprom.putRecord(SettingIds::NORMAL_LIGHT, &light, 1).crc ^= 1;
    store().init();
    EXPECT_TRUE(settings.normalLight.set(50));
    EXPECT_EQ(settings.normalLight.get(), 50);
}

TEST_F(Settings, ARestartOnTheSimulatorStartsFromTheDefaults)
{
    store().usePages(SettingsStorage::boardPages());
    store().init();
    settings.normalLight = 20;
    settings.servPass.set(wide(u"secret").data());
    store().init();
    EXPECT_EQ(settings.normalLight.get(), 90);
    EXPECT_EQ(text(settings.servPass.get()), u"plover");
}

// A missing record stands for the default; zeros set over it before any read must not be
// taken for "unchanged" where the default is not zero.
TEST_F(Settings, ZerosSetBeforeTheFirstReadAreKept)
{
    RecordingSettingListener listener;
    settings.buzzer.addListener(&listener);
    EXPECT_TRUE(settings.buzzer.set(0));
    EXPECT_EQ(listener.ids, std::vector<std::uint32_t>{SettingIds::SETTING_BUZZER});
    EXPECT_EQ(settings.buzzer.get(), 0);

    EXPECT_TRUE(settings.favourites.set(0u));
    EXPECT_EQ(settings.favourites.get(), 0u);
    const WideChar empty[1] = {0};
    EXPECT_TRUE(settings.opPass.set(empty));
    EXPECT_EQ(text(settings.opPass.get()), u"");
    const int zeros[6] = {};
    EXPECT_TRUE(settings.tsCalibration.set(zeros));
    EXPECT_EQ(settings.tsCalibration.get()[0], 0);

    // A zero default still stores nothing for the same zeros.
    EXPECT_TRUE(settings.language.set(0u));
    EXPECT_FALSE(stored(SettingIds::LANGUAGE));
}

// A record with bytes after its text's terminator (as another writer may leave): set to
// what get returned, the setting keeps its text, though the record is rewritten.
TEST_F(Settings, SetToItsOwnTextKeepsIt)
{
    const WideChar stored[5] = {'a', 'b', 0, 'x', 'y'};
    eeprom.putRecord(SettingIds::HC2, stored, sizeof(stored));
    store().init();
    EXPECT_TRUE(settings.hc2.set(settings.hc2.get()));
    EXPECT_EQ(text(settings.hc2.get()), u"ab");
}
