#include "model/settings/SettingsStorage.hpp"

#include "helpers/BoardWrappers.hpp"

#include <string.h>

namespace model
{
namespace
{
constexpr uint32_t HEADER_MAGIC1 = 0x3969483D;
constexpr uint32_t HEADER_MAGIC2 = 0x003D3133;
constexpr uint32_t RECORD_HEADER_SIZE = 8;

const char* const KEYS[SETTINGS_RECORD_COUNT] = {
    nullptr,        nullptr,       "SETTING_TS_CALIBRATION",
    "LANGUAGE",     "NORMAL_LIGHT", "STANDBY_LIGHT",
    "UNITS",        "DATE_FORMAT",  "TIME_FORMAT",
    "SETTING_BUZZER", "OP_PASS",    "FAVOURITES",
    "SERV_PASS",    "MENU_PASS",    "MASTER_PASS",
    "SERV_ADDRESS", "HC1",          "HC2",
    "HC3",          "NAME",         "TELEPHONE",
    "MOBILE",       "EMAIL",        "INIT TIME",
    "WIZZARD START",
};

uint16_t headerCrc(const SettingsHeader& header)
{
    SettingsHeader copy = header;
    copy.crc = 0;
    return helpers::storageCrc16(&copy, sizeof(copy));
}
} // namespace

SettingsStorage& SettingsStorage::getInstance()
{
    static SettingsStorage instance;
    return instance;
}

const SettingsPages& SettingsStorage::boardPages()
{
    static const SettingsPages board = {helpers::lockStorage, helpers::unlockStorage, helpers::readStoragePage,
                                        helpers::writeStoragePage, helpers::eraseStoragePage};
    return board;
}

SettingsStorage::SettingsStorage() : SettingsStorage(boardPages()) {}

SettingsStorage::SettingsStorage(const SettingsPages& pages) : pages(pages), records(), header() {}

void SettingsStorage::usePages(const SettingsPages& newPages)
{
    pages = newPages;
}

void SettingsStorage::init()
{
    pages.lock();
    memset(records, 0, sizeof(records));
    memset(&header, 0, sizeof(header));
    // A failed read leaves the header zero, which fails the check below.
    if (!pages.readPage(0, &header, sizeof(header))) {
        memset(&header, 0, sizeof(header));
    }
    if (header.crc == headerCrc(header) && header.version == SETTINGS_VERSION) {
        for (SettingId id = SettingIds::FIRST; id <= SettingIds::LAST; ++id) {
            loadRecord(id);
        }
        pages.unlock();
        return;
    }
    // When the header cannot be written the pages stay as they are; the images are clear,
    // so every setting reads as missing for this run.
    if (format()) {
        for (SettingId id = SettingIds::FIRST; id <= SettingIds::LAST; ++id) {
            eraseRecord(id);
        }
    }
    pages.unlock();
}

bool SettingsStorage::format()
{
    memset(&header, 0, sizeof(header));
    header.version = SETTINGS_VERSION;
    header.magic1 = HEADER_MAGIC1;
    header.magic2 = HEADER_MAGIC2;
    header.crc = headerCrc(header);
    return pages.writePage(0, &header, sizeof(header)) != 0;
}

void SettingsStorage::loadRecord(SettingId id)
{
    SettingRecord& record = records[id];
    const bool read = pages.readPage(static_cast<uint8_t>(id), &record, sizeof(record)) != 0;
    // The length is checked before the CRC: 56..63 would take the CRC past the page. A
    // record under a foreign id is as good as missing, and is cleared like one.
    const bool valid = read && record.length <= SETTINGS_MAX_DATA && record.version == header.version &&
                       record.id == id && helpers::storageCrc16(record.data, record.length) == record.crc;
    if (!valid) {
        // All of it, not only the header: a later write compares against these bytes, and
        // leftovers of a broken record must not pass for the stored value.
        memset(&record, 0, sizeof(record));
    }
}

StoreResult SettingsStorage::eraseRecord(SettingId id)
{
    if (!isStoredId(id)) {
        return STORE_TOO_LONG; // refused as a write would be
    }
    memset(&records[id], 0, sizeof(SettingRecord));
    pages.lock();
    pages.erasePage(static_cast<uint8_t>(id));
    pages.unlock();
    return STORE_OK;
}

StoreResult SettingsStorage::write(SettingId id, const void* data, uint32_t length, Compare compare)
{
    if (length > SETTINGS_MAX_DATA || !isStoredId(id)) {
        return STORE_TOO_LONG;
    }
    SettingRecord& record = records[id];
    // A missing record's data are zero, so storing zeros over it changes nothing: a zero
    // default reads back as the default either way. A stored record of another length is
    // rewritten even when its first bytes agree: it would not read back as this value.
    const bool missing = record.id != id;
    const bool comparable = missing ? compare == Compare::WithImage : record.length == length;
    if (comparable && memcmp(record.data, data, length) == 0) {
        return STORE_UNCHANGED;
    }
    // The data may be this very image (a setting set to what its get returned).
    uint8_t copy[SETTINGS_MAX_DATA];
    memcpy(copy, data, length);
    memset(&record, 0, RECORD_HEADER_SIZE + length);
    record.crc = helpers::storageCrc16(copy, static_cast<uint16_t>(length));
    record.version = SETTINGS_VERSION;
    record.id = static_cast<uint16_t>(id);
    record.length = static_cast<uint16_t>(length);
    memcpy(record.data, copy, length);

    pages.lock();
    const bool written =
        pages.writePage(static_cast<uint8_t>(id), &record, static_cast<uint8_t>(RECORD_HEADER_SIZE + length)) != 0;
    pages.unlock();
    // The image keeps the value either way, so this run sees what was set.
    return written ? STORE_OK : STORE_WRITE_FAILED;
}

StoreResult SettingsStorage::read(SettingId id, void* destination, uint32_t capacity) const
{
    if (!isStoredId(id)) {
        return STORE_MISSING;
    }
    const SettingRecord& record = records[id];
    if (record.id != id || record.length > capacity) {
        return STORE_MISSING;
    }
    memcpy(destination, record.data, record.length);
    return STORE_OK;
}

StoreResult SettingsStorage::getData(SettingId id, const uint8_t** data, uint32_t* length) const
{
    if (!isStoredId(id) || records[id].id != id) {
        return STORE_MISSING;
    }
    *data = records[id].data;
    if (length) {
        *length = records[id].length;
    }
    return STORE_OK;
}

const char* SettingsStorage::getKey(SettingId id)
{
    return id < SETTINGS_RECORD_COUNT ? KEYS[id] : nullptr;
}
} // namespace model
