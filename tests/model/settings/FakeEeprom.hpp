#ifndef TESTS_MODEL_SETTINGS_FAKEEEPROM_HPP
#define TESTS_MODEL_SETTINGS_FAKEEEPROM_HPP

#include "model/settings/SettingsStorage.hpp"
#include "simulator/board/Board.hpp"

#include <gtest/gtest.h>

#include <cstring>

// An EEPROM that keeps its writes, so a restart (another init) sees them. Like the
// board's, its pages answer only while locked. One at a time: the page functions are
// plain function pointers.
class FakeEeprom
{
public:
    static constexpr int PAGES = BOARD_EEPROM_PAGES;
    static constexpr int PAGE = BOARD_EEPROM_PAGE_SIZE;

    FakeEeprom() { current = this; std::memset(bytes, 0, sizeof(bytes)); }
    ~FakeEeprom() { current = nullptr; }

    static const model::SettingsPages& pages()
    {
        static const model::SettingsPages fake = {lock, unlock, readPage, writePage, erasePage};
        return fake;
    }

    std::uint8_t* page(int number) { return bytes[number]; }

    // Puts a record into its page as a good writer would, then lets the test spoil it.
    model::SettingRecord& putRecord(model::SettingId id, const void* data, std::uint16_t length)
    {
        model::SettingRecord record{};
        record.crc = boardCrc16(data, length);
        record.version = model::SETTINGS_VERSION;
        record.id = static_cast<std::uint16_t>(id);
        record.length = length;
        std::memcpy(record.data, data, length);
        std::memcpy(bytes[id], &record, sizeof(record));
        return *reinterpret_cast<model::SettingRecord*>(bytes[id]);
    }

    bool locked = false;
    bool failWrites = false;
    int pageWrites = 0;
    alignas(4) std::uint8_t bytes[PAGES][PAGE];

private:
    static void lock() { current->locked = true; }
    static void unlock() { current->locked = false; }
    static std::uint8_t readPage(std::uint8_t page, void* destination, std::uint8_t length)
    {
        EXPECT_LE(length, PAGE);
        if (page >= PAGES || length > PAGE) {
            return 0;
        }
        std::memcpy(destination, current->bytes[page], length);
        return current->locked;
    }
    static std::uint8_t writePage(std::uint8_t page, const void* source, std::uint8_t length)
    {
        EXPECT_LE(length, PAGE);
        if (page >= PAGES || length > PAGE || !current->locked || current->failWrites) {
            return 0;
        }
        ++current->pageWrites;
        std::memcpy(current->bytes[page], source, length);
        return 1;
    }
    static std::uint8_t erasePage(std::uint8_t page)
    {
        std::uint8_t erased[PAGE];
        std::memset(erased, 0xFF, sizeof(erased));
        return writePage(page, erased, PAGE);
    }

    static FakeEeprom* current;
};

inline FakeEeprom* FakeEeprom::current = nullptr;

#endif
