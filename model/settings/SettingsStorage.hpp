#ifndef MODEL_SETTINGS_SETTINGSSTORAGE_HPP
#define MODEL_SETTINGS_SETTINGSSTORAGE_HPP

#include <stdint.h>

namespace model
{
// The record id and EEPROM page of a panel setting, 2..24.
using SettingId = uint32_t;

struct SettingIds
{
    static constexpr SettingId SETTING_TS_CALIBRATION = 2;
    static constexpr SettingId LANGUAGE = 3;
    static constexpr SettingId NORMAL_LIGHT = 4;
    static constexpr SettingId STANDBY_LIGHT = 5;
    static constexpr SettingId UNITS = 6;
    static constexpr SettingId DATE_FORMAT = 7;
    static constexpr SettingId TIME_FORMAT = 8;
    static constexpr SettingId SETTING_BUZZER = 9;
    static constexpr SettingId OP_PASS = 10;
    static constexpr SettingId FAVOURITES = 11;
    static constexpr SettingId SERV_PASS = 12;
    static constexpr SettingId MENU_PASS = 13;
    static constexpr SettingId MASTER_PASS = 14;
    static constexpr SettingId SERV_ADDRESS = 15;
    static constexpr SettingId HC1 = 16;
    static constexpr SettingId HC2 = 17;
    static constexpr SettingId HC3 = 18;
    static constexpr SettingId NAME = 19;
    static constexpr SettingId TELEPHONE = 20;
    static constexpr SettingId MOBILE = 21;
    static constexpr SettingId EMAIL = 22;
    static constexpr SettingId INIT_TIME = 23;
    static constexpr SettingId WIZZARD_START = 24;

    static constexpr SettingId FIRST = SETTING_TS_CALIBRATION;
    static constexpr SettingId LAST = WIZZARD_START;
};

constexpr uint16_t SETTINGS_VERSION = 8;
constexpr uint32_t SETTINGS_PAGE_SIZE = 64;
constexpr uint32_t SETTINGS_RECORD_COUNT = SettingIds::LAST + 1; // images 0 and 1 stay unused
constexpr uint32_t SETTINGS_MAX_DATA = 55;

// Page 0. Little-endian, as the EEPROM holds it.
struct SettingsHeader
{
    uint16_t crc; // over the 16 bytes with this field 0
    uint16_t version;
    uint32_t reserved;
    uint32_t magic1;
    uint32_t magic2;
};
static_assert(sizeof(SettingsHeader) == 16, "the settings header is 16 bytes in page 0");

// Page n holds the record of setting n. Aligned so that the data of the calibration
// setting can be read as ints in place.
struct alignas(4) SettingRecord
{
    uint16_t crc; // over the length data bytes only
    uint16_t version;
    uint16_t id;
    uint16_t length; // 0..55
    uint8_t data[SETTINGS_PAGE_SIZE - 8];
};
static_assert(sizeof(SettingRecord) == SETTINGS_PAGE_SIZE, "a setting record fills one 64-byte page");

enum StoreResult : uint32_t
{
    STORE_OK = 0,
    STORE_UNCHANGED = 1,
    STORE_MISSING = 2,
    STORE_WRITE_FAILED = 6,
    STORE_TOO_LONG = 7,
};

// The EEPROM the store works on: the board's pages, or an image of a test's own.
// Reads and writes succeed (1) only between lock and unlock.
struct SettingsPages
{
    void (*lock)();
    void (*unlock)();
    uint8_t (*readPage)(uint8_t page, void* destination, uint8_t length);
    uint8_t (*writePage)(uint8_t page, const void* source, uint8_t length);
    uint8_t (*erasePage)(uint8_t page);
};

// The panel's persistent settings: one 64-byte EEPROM page per setting behind a header
// page. Reads are served from RAM images loaded at start-up; writes go to the image and
// the page. Whatever the EEPROM holds, a record is either valid or missing, never read
// beyond its page.
class SettingsStorage
{
public:
    static SettingsStorage& getInstance();

    // The board's EEPROM until told otherwise.
    SettingsStorage();
    explicit SettingsStorage(const SettingsPages& pages);
    // Takes effect at the next init.
    void usePages(const SettingsPages& pages);
    static const SettingsPages& boardPages();

    // Checks the header and loads every record, or formats the store.
    void init();

    // What a write compares the data with before it skips the EEPROM.
    enum class Compare
    {
        // The image's data bytes, valid or not: over a missing record, zeros are unchanged.
        WithImage,
        // Only a valid record: for settings whose missing record does not stand for zeros.
        WithStoredRecord,
    };

    StoreResult write(SettingId id, const void* data, uint32_t length, Compare compare = Compare::WithImage);
    // Copies the record's data when it fits capacity bytes.
    StoreResult read(SettingId id, void* destination, uint32_t capacity) const;
    // Points at the record's data in its image (valid until the id is written again) and
    // gives its length.
    StoreResult getData(SettingId id, const uint8_t** data, uint32_t* length = nullptr) const;
    // Clears the image and erases the page; ids outside 2..24 are refused.
    StoreResult eraseRecord(SettingId id);

    // The setting's key name; null outside 2..24.
    static const char* getKey(SettingId id);

private:
    void loadRecord(SettingId id);
    bool format();
    static bool isStoredId(SettingId id) { return id >= SettingIds::FIRST && id <= SettingIds::LAST; }

    SettingsPages pages;
    SettingRecord records[SETTINGS_RECORD_COUNT];
    SettingsHeader header;
};
} // namespace model

#endif
