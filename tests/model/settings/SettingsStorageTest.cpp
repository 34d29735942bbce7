#include "model/settings/FakeEeprom.hpp"
#include "model/settings/SettingsStorage.hpp"

#include <cstring>

using model::SettingIds;
using model::SettingsStorage;

namespace
{
class SettingsStore : public ::testing::Test
{
protected:
    void SetUp() override { store.init(); } // formats the blank EEPROM

    void restart() { store.init(); }

    std::uint32_t readU32(model::SettingId id, model::StoreResult* result = nullptr)
    {
        std::uint32_t value = 0;
        const model::StoreResult r = store.read(id, &value, sizeof(value));
        if (result) {
            *result = r;
        }
        return value;
    }

    FakeEeprom eeprom;
    SettingsStorage store{FakeEeprom::pages()};
};
} // namespace

TEST(SettingsCrc, IsCrc16Arc)
{
    EXPECT_EQ(boardCrc16("123456789", 9), 0xBB3D);
    EXPECT_EQ(boardCrc16("", 0), 0);
}

TEST(SettingsStoreBlank, FormatsAndEveryRecordIsMissing)
{
    for (const std::uint8_t blank : {0x00, 0xFF}) {
        SCOPED_TRACE(blank);
        FakeEeprom eeprom;
        std::memset(eeprom.bytes, blank, sizeof(eeprom.bytes));
        SettingsStorage store(FakeEeprom::pages());
        store.init();

        model::SettingsHeader header;
        std::memcpy(&header, eeprom.page(0), sizeof(header));
        EXPECT_EQ(header.version, 8);
        EXPECT_EQ(header.reserved, 0u);
        EXPECT_EQ(header.magic1, 0x3969483Du);
        EXPECT_EQ(header.magic2, 0x003D3133u);
        const std::uint16_t crc = header.crc;
        header.crc = 0;
        EXPECT_EQ(boardCrc16(&header, sizeof(header)), crc);

        std::uint8_t value[64];
        for (model::SettingId id = 2; id <= 24; ++id) {
            EXPECT_EQ(eeprom.page(id)[0], 0xFF) << id; // erased
            EXPECT_EQ(store.read(id, value, sizeof(value)), model::STORE_MISSING) << id;
        }
        EXPECT_EQ(eeprom.page(25)[0], blank); // not the store's
        EXPECT_FALSE(eeprom.locked);
    }
}

TEST_F(SettingsStore, KeepsRecordsOverARestart)
{
    const std::uint32_t language = 4;
    std::uint8_t longest[55] = {1, 2, 3};
    longest[54] = 9;
    EXPECT_EQ(store.write(SettingIds::LANGUAGE, &language, 4), model::STORE_OK);
    EXPECT_EQ(store.write(SettingIds::EMAIL, longest, sizeof(longest)), model::STORE_OK);
    const int writes = eeprom.pageWrites;

    restart();
    EXPECT_EQ(eeprom.pageWrites, writes); // a valid header is not formatted again
    EXPECT_EQ(readU32(SettingIds::LANGUAGE), 4u);
    std::uint8_t back[55] = {};
    EXPECT_EQ(store.read(SettingIds::EMAIL, back, sizeof(back)), model::STORE_OK);
    EXPECT_EQ(std::memcmp(back, longest, sizeof(back)), 0);
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    EXPECT_EQ(store.getData(SettingIds::EMAIL, &data, &length), model::STORE_OK);
    EXPECT_EQ(length, 55u);
    EXPECT_EQ(data[54], 9);
}

TEST_F(SettingsStore, WriteResults)
{
    const std::uint8_t bytes[56] = {7};
    EXPECT_EQ(store.write(SettingIds::NAME, bytes, 56), model::STORE_TOO_LONG);
    EXPECT_EQ(store.write(SettingIds::NAME, bytes, 55), model::STORE_OK);

    const std::uint8_t light = 90;
    EXPECT_EQ(store.write(SettingIds::NORMAL_LIGHT, &light, 1), model::STORE_OK);
    const int writes = eeprom.pageWrites;
    EXPECT_EQ(store.write(SettingIds::NORMAL_LIGHT, &light, 1), model::STORE_UNCHANGED);
    EXPECT_EQ(eeprom.pageWrites, writes); // no EEPROM cycle for the same value

    // Zeros over a missing record change nothing, and nothing is written.
    const std::uint32_t zero = 0;
    EXPECT_EQ(store.write(SettingIds::LANGUAGE, &zero, 4), model::STORE_UNCHANGED);
    EXPECT_EQ(store.read(SettingIds::LANGUAGE, nullptr, 0), model::STORE_MISSING);

    // Ids the store does not serve.
    EXPECT_EQ(store.write(1, &light, 1), model::STORE_TOO_LONG);
    EXPECT_EQ(store.write(25, &light, 1), model::STORE_TOO_LONG);
    EXPECT_EQ(store.write(0xFFFFFFFF, &light, 1), model::STORE_TOO_LONG);
}

TEST_F(SettingsStore, FailedPageWriteKeepsTheValueForThisRun)
{
    eeprom.failWrites = true;
    const std::uint32_t language = 2;
    EXPECT_EQ(store.write(SettingIds::LANGUAGE, &language, 4), model::STORE_WRITE_FAILED);
    EXPECT_EQ(readU32(SettingIds::LANGUAGE), 2u);
    eeprom.failWrites = false;
    restart();
    model::StoreResult result;
    readU32(SettingIds::LANGUAGE, &result);
    EXPECT_EQ(result, model::STORE_MISSING);
}

TEST(SettingsStoreBlank, HeaderWriteFailureLeavesThePages)
{
    FakeEeprom eeprom;
    std::memset(eeprom.bytes, 0x5A, sizeof(eeprom.bytes));
    eeprom.failWrites = true;
    SettingsStorage store(FakeEeprom::pages());
    store.init();
    EXPECT_EQ(eeprom.page(0)[0], 0x5A);
    EXPECT_EQ(eeprom.page(4)[0], 0x5A); // not erased
    std::uint8_t value = 0;
    EXPECT_EQ(store.read(SettingIds::NORMAL_LIGHT, &value, 1), model::STORE_MISSING);
}

TEST_F(SettingsStore, ReadRefusals)
{
    const std::uint32_t favourites = 0x12345678;
    store.write(SettingIds::FAVOURITES, &favourites, 4);
    std::uint8_t small[3] = {0xEE, 0xEE, 0xEE};
    EXPECT_EQ(store.read(SettingIds::FAVOURITES, small, sizeof(small)), model::STORE_MISSING);
    EXPECT_EQ(small[0], 0xEE); // nothing copied

    std::uint8_t any[64];
    const std::uint8_t* data = nullptr;
    for (const model::SettingId id : {0u, 1u, 25u, 59u, 1000u}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(store.read(id, any, sizeof(any)), model::STORE_MISSING);
        EXPECT_EQ(store.getData(id, &data), model::STORE_MISSING);
        store.eraseRecord(id); // ignored, never outside the images
    }
}

TEST(SettingsStoreKeys, NamesTheIds)
{
    struct Case { model::SettingId id; const char* key; };
    const Case cases[] = {
        {2, "SETTING_TS_CALIBRATION"}, {3, "LANGUAGE"}, {4, "NORMAL_LIGHT"}, {5, "STANDBY_LIGHT"},
        {6, "UNITS"}, {7, "DATE_FORMAT"}, {8, "TIME_FORMAT"}, {9, "SETTING_BUZZER"}, {10, "OP_PASS"},
        {11, "FAVOURITES"}, {12, "SERV_PASS"}, {13, "MENU_PASS"}, {14, "MASTER_PASS"},
        {15, "SERV_ADDRESS"}, {16, "HC1"}, {17, "HC2"}, {18, "HC3"}, {19, "NAME"}, {20, "TELEPHONE"},
        {21, "MOBILE"}, {22, "EMAIL"}, {23, "INIT TIME"}, {24, "WIZZARD START"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(SettingsStorage::getKey(c.id), nullptr) << c.id;
        EXPECT_STREQ(SettingsStorage::getKey(c.id), c.key);
    }
    for (const model::SettingId id : {0u, 1u, 25u, 0xFFFFFFFFu}) {
        EXPECT_EQ(SettingsStorage::getKey(id), nullptr) << id;
    }
}

// Corrupt records: each is missing after a restart, while its neighbours keep their values.
TEST_F(SettingsStore, CorruptRecordsReadAsMissing)
{
    struct Case
    {
        const char* what;
        void (*spoil)(model::SettingRecord& record, std::uint8_t* page);
    };
    const Case cases[] = {
        {"data altered", [](model::SettingRecord& r, std::uint8_t*) { r.data[0] ^= 1; }},
        {"foreign version", [](model::SettingRecord& r, std::uint8_t*) { r.version = 7; }},
        {"foreign id", [](model::SettingRecord& r, std::uint8_t*) { r.id = 5; }},
        {"length 64", [](model::SettingRecord& r, std::uint8_t*) { r.length = 64; }},
        {"length 0xFFFF", [](model::SettingRecord& r, std::uint8_t*) { r.length = 0xFFFF; }},
        // A length of 56..63 with the CRC of what lies past the page in memory: the
        // following image, still clear while this one loads.
        {"length 56", [](model::SettingRecord& r, std::uint8_t* page) {
             std::uint8_t beyond[63] = {};
             std::memcpy(beyond, page + 8, 56);
             r.length = 56;
             r.crc = boardCrc16(beyond, 56);
         }},
        {"length 63", [](model::SettingRecord& r, std::uint8_t* page) {
             std::uint8_t beyond[63] = {};
             std::memcpy(beyond, page + 8, 56);
             r.length = 63;
             r.crc = boardCrc16(beyond, 63);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeEeprom eeprom;
        SettingsStorage store(FakeEeprom::pages());
        store.init();
        const std::uint32_t language = 6, favourites = 99;
        const std::uint8_t light = 40;
        store.write(SettingIds::LANGUAGE, &language, 4);
        store.write(SettingIds::NORMAL_LIGHT, &light, 1);
        store.write(SettingIds::FAVOURITES, &favourites, 4);

        c.spoil(*reinterpret_cast<model::SettingRecord*>(eeprom.page(SettingIds::NORMAL_LIGHT)),
                eeprom.page(SettingIds::NORMAL_LIGHT));
        store.init();

        std::uint8_t value[64] = {};
        const std::uint8_t* data = nullptr;
        EXPECT_EQ(store.read(SettingIds::NORMAL_LIGHT, value, sizeof(value)), model::STORE_MISSING);
        EXPECT_EQ(store.getData(SettingIds::NORMAL_LIGHT, &data), model::STORE_MISSING);
        std::uint32_t word = 0;
        EXPECT_EQ(store.read(SettingIds::LANGUAGE, &word, 4), model::STORE_OK);
        EXPECT_EQ(word, 6u);
        EXPECT_EQ(store.read(SettingIds::FAVOURITES, &word, 4), model::STORE_OK);
        EXPECT_EQ(word, 99u);
        // The record under the foreign id is no record of setting 5 either.
        EXPECT_EQ(store.read(SettingIds::STANDBY_LIGHT, value, sizeof(value)), model::STORE_MISSING);
    }
}

// What is left of a broken record must not pass for the stored value: writing the value
// it seemed to hold stores it.
TEST_F(SettingsStore, LeftoversOfABrokenRecordAreNotTheStoredValue)
{
    const std::uint8_t light = 50;
    eeprom.putRecord(SettingIds::NORMAL_LIGHT, &light, 1).crc ^= 0x1234;
    restart();
    EXPECT_EQ(store.write(SettingIds::NORMAL_LIGHT, &light, 1), model::STORE_OK);
    std::uint8_t back = 0;
    EXPECT_EQ(store.read(SettingIds::NORMAL_LIGHT, &back, 1), model::STORE_OK);
    EXPECT_EQ(back, 50);
}

// A valid record of another length is rewritten even where its first bytes agree.
TEST_F(SettingsStore, ARecordOfAnotherLengthIsRewritten)
{
    const std::uint8_t twoBytes[2] = {50, 0};
    eeprom.putRecord(SettingIds::NORMAL_LIGHT, twoBytes, 2);
    restart();
    EXPECT_EQ(store.write(SettingIds::NORMAL_LIGHT, twoBytes, 1), model::STORE_OK);
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    store.getData(SettingIds::NORMAL_LIGHT, &data, &length);
    EXPECT_EQ(length, 1u);
}

TEST(SettingsStoreBoard, TheSimulatorsEepromKeepsNoWrite)
{
    SettingsStorage store(SettingsStorage::boardPages());
    store.init();
    const std::uint8_t light = 33;
    EXPECT_EQ(store.write(SettingIds::NORMAL_LIGHT, &light, 1), model::STORE_OK);
    std::uint8_t back = 0;
    EXPECT_EQ(store.read(SettingIds::NORMAL_LIGHT, &back, 1), model::STORE_OK);
    EXPECT_EQ(back, 33);
    store.init(); // a restart: formatted again, the value is gone
    EXPECT_EQ(store.read(SettingIds::NORMAL_LIGHT, &back, 1), model::STORE_MISSING);
}
