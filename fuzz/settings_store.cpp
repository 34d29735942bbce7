// Loads an arbitrary 60-page EEPROM image through the settings store and reads every
// setting. Whatever the image holds, a record is valid or missing: no setting may read
// beyond its record, a text is always terminated within its size, and a value set
// afterwards reads back, also after a restart.
//
// An input shorter than the image is repeated over it. The first four image bytes steer:
// bit 0 of byte 0 gives the image a valid header, and bits 1..23 of bytes 1..3 give
// record n a valid version and CRC, so that the lengths, ids and texts behind a good CRC
// are reached as well.
#include "model/settings/SettingsGroup.hpp"
#include "simulator/board/Board.hpp"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace
{
constexpr std::size_t PAGES = BOARD_EEPROM_PAGES;
constexpr std::size_t PAGE = BOARD_EEPROM_PAGE_SIZE;

alignas(4) std::uint8_t image[PAGES][PAGE];
bool locked = false;

void lock() { locked = true; }
void unlock() { locked = false; }

std::uint8_t readPage(std::uint8_t page, void* destination, std::uint8_t length)
{
    if (page >= PAGES || length > PAGE) {
        __builtin_trap();
    }
    std::memcpy(destination, image[page], length);
    return locked;
}

std::uint8_t writePage(std::uint8_t page, const void* source, std::uint8_t length)
{
    if (page >= PAGES || length > PAGE) {
        __builtin_trap();
    }
    if (!locked) {
        return 0;
    }
    std::memcpy(image[page], source, length);
    return 1;
}

std::uint8_t erasePage(std::uint8_t page)
{
    std::uint8_t erased[PAGE];
    std::memset(erased, 0xFF, sizeof(erased));
    return writePage(page, erased, PAGE);
}

const model::SettingsPages PAGES_OF_THE_IMAGE = {lock, unlock, readPage, writePage, erasePage};

void check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

std::uint16_t getU16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

void putU16(std::uint8_t* bytes, std::uint16_t value)
{
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

void steer(std::uint32_t control)
{
    if (control & 1) {
        putU16(&image[0][2], model::SETTINGS_VERSION);
        putU16(&image[0][0], 0);
        putU16(&image[0][0], boardCrc16(image[0], 16));
    }
    for (std::uint32_t id = model::SettingIds::FIRST; id <= model::SettingIds::LAST; ++id) {
        if (!(control & (1u << (id - 1)))) {
            continue;
        }
        std::uint8_t* page = image[id];
        putU16(page + 2, model::SETTINGS_VERSION);
        // Over what a careless reader would take: a length up to 63, even past the page.
        std::size_t length = getU16(page + 6);
        if (length > PAGE - 1) {
            length = PAGE - 1;
        }
        putU16(page, boardCrc16(page + 8, static_cast<std::uint16_t>(length)));
    }
}

template <typename Text>
void readText(Text& setting, std::size_t units)
{
    const quillon::WideChar* text = setting.get();
    std::size_t length = 0;
    while (length < units && text[length] != 0) {
        ++length;
    }
    check(length < units);
}

volatile std::uint32_t sink = 0;

void readAll(model::SettingsGroup& settings)
{
    const model::SettingsStorage& store = model::SettingsStorage::getInstance();
    for (model::SettingId id = 0; id < 30; ++id) {
        const std::uint8_t* data = nullptr;
        std::uint32_t length = 0;
        if (store.getData(id, &data, &length) == model::STORE_OK) {
            check(id >= model::SettingIds::FIRST && id <= model::SettingIds::LAST);
            check(length <= model::SETTINGS_MAX_DATA);
        }
    }
    std::uint32_t sum = 0;
    const int* calibration = settings.tsCalibration.get();
    for (int i = 0; i < 6; ++i) {
        sum += static_cast<std::uint32_t>(calibration[i]);
    }
    sum += settings.language.get() + settings.normalLight.get() + settings.standbyLight.get();
    sum += settings.units.get() + settings.timeFormat.get() + settings.dateFormat.get() + settings.buzzer.get();
    sum += settings.favourites.get() + settings.initTime.get() + settings.wizzardStart.get();
    for (auto* password : {&settings.opPass, &settings.servPass, &settings.menuPass, &settings.masterPass}) {
        readText(*password, 17);
    }
    for (auto* circuit : {&settings.hc1, &settings.hc2, &settings.hc3}) {
        readText(*circuit, 21);
    }
    for (auto* contact : {&settings.servAddress, &settings.name, &settings.telephone, &settings.mobile, &settings.email}) {
        readText(*contact, 27);
    }
    sink = sum;
}

bool sameText(const quillon::WideChar* a, const quillon::WideChar* b)
{
    while (*a != 0 && *a == *b) {
        ++a, ++b;
    }
    return *a == *b;
}

// Values taken from the input, set, then read back now and after a restart.
void setAndReadBack(model::SettingsGroup& settings, const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t light = size > 4 ? data[4] : 0;
    const std::uint32_t language = size > 5 ? data[5] % 10 : 0;
    quillon::WideChar name[27] = {};
    for (std::size_t i = 0; i < 26 && 6 + i < size && data[6 + i] != 0; ++i) {
        name[i] = data[6 + i];
    }
    check(settings.normalLight.set(light));
    check(settings.language.set(language));
    check(settings.name.set(name));
    for (int pass = 0; pass < 2; ++pass) {
        check(settings.normalLight.get() == light);
        check(settings.language.get() == language);
        check(sameText(settings.name.get(), name));
        model::SettingsStorage::getInstance().init(); // a restart on the same image
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static model::SettingsGroup settings;
    // A short input is repeated over the whole image, so that every page gets something
    // from the start; an input of the image's size or more is the image.
    std::uint8_t* bytes = &image[0][0];
    if (size == 0) {
        std::memset(image, 0, sizeof(image));
    }
    for (std::size_t done = 0; size > 0 && done < sizeof(image); done += size) {
        std::memcpy(bytes + done, data, size < sizeof(image) - done ? size : sizeof(image) - done);
    }
    std::uint32_t control = 0;
    for (std::size_t i = 0; i < 4 && i < size; ++i) {
        control |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    }
    steer(control);

    model::SettingsStorage& store = model::SettingsStorage::getInstance();
    store.usePages(PAGES_OF_THE_IMAGE);
    store.init();
    readAll(settings);
    setAndReadBack(settings, data, size);
    readAll(settings);
    return 0;
}
