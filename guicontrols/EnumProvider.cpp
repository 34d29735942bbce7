#include "guicontrols/EnumProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
using quillon::TextId;
using quillon::WideChar;
namespace texts = providertexts;

namespace
{
const TextId NONE = 0xFFFF;

// Value kinds: the text of each value, NONE past the end of a row.
const uint8_t VALUE_COLUMNS = 11;
const TextId VALUE_TEXTS[12][VALUE_COLUMNS] = {
    {804, 1345, 961, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE},          // 0, others: 932
    {1307, 1308, 1309, 1310, 1311, 1312, 1313, NONE, NONE, NONE, NONE},        // 1
    {1322, 1369, 1318, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE},        // 2
    {1195, 1318, 1369, 1354, 1323, NONE, NONE, NONE, NONE, NONE, NONE},        // 3
    {1534, 1531, 1532, 1159, 1536, 1533, NONE, NONE, NONE, NONE, NONE},        // 4
    {1354, 1195, 1318, 1369, 1323, NONE, NONE, NONE, NONE, NONE, NONE},        // 5
    {1354, 1379, 1195, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE},        // 6
    {1195, 1318, 1369, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE},        // 7
    {NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE},        // 8: a label kind
    {NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE},        // 9: a label kind
    {1326, 964, 965, 966, 1378, 1292, 1434, 1435, 1481, 1293, 1296},           // 10
    {1275, 1261, 1263, 1263, 1263, 1262, NONE, NONE, NONE, NONE, NONE},        // 11
};
const TextId GAS_TYPES[2] = {921, 941}; // kind 17
const TextId EXTERNAL_PROGRAM = 932;

const TextId CYLINDER_TYPES[6] = {NONE, 903, 1198, 858, 1136, 1013}; // kind 8, 0 is "---"
const TextId LANGUAGES[4] = {1463, 1453, 1459, 1522};                 // kind 9
const TextId PLAIN_CIRCUITS[3] = {1006, 1537, 1528};                  // kind 12
const TextId MIXER_CIRCUITS[3] = {1517, 1537, 1528};                  // kind 13
const TextId FIRST_SOLAR_FUNCTION = 387;                              // kind 14, 10 texts
const TextId OFF = 825;
const TextId YES = 1000;
const TextId NO = 1044;

TextId labelOf(uint32_t kind)
{
    switch (kind) {
    case 8:
        return 1372;
    case 9:
        return 1118;
    case 12:
    case 13:
        return 979;
    case 14:
    case 15:
        return 928;
    default:
        return 1561; // 16
    }
}
} // namespace

EnumProvider::EnumProvider() : dataPoint(nullptr), textBuffer{}, numberBuffer{}, kind(0), bullet(0) {}

EnumProvider::EnumProvider(DataPointType* dataPoint, uint32_t kind, uint8_t bullet) : EnumProvider()
{
    set(dataPoint, kind, bullet);
}

void EnumProvider::set(DataPointType* newDataPoint, uint32_t newKind, uint8_t newBullet)
{
    dataPoint = newDataPoint;
    kind = newKind;
    bullet = newBullet;
    textBuffer[0] = 0;
}

bool EnumProvider::isValueKind(uint32_t kind)
{
    return kind <= 7 || kind == 10 || kind == 11 || kind == 17;
}

const WideChar* EnumProvider::valueText(uint32_t kind, uint8_t value)
{
    if (kind == 17) {
        return value < 2 ? texts::text(GAS_TYPES[value]) : nullptr;
    }
    const TextId id = value < VALUE_COLUMNS ? VALUE_TEXTS[kind][value] : NONE;
    if (id != NONE) {
        return texts::text(id);
    }
    return kind == 0 ? texts::text(EXTERNAL_PROGRAM) : nullptr;
}

const WideChar* EnumProvider::getText(uint32_t)
{
    const WideChar* bulletText = texts::text(texts::BULLET);
    quillon::WideString::snprintf(textBuffer, TEXT_SIZE, "%s", bulletText);
    if (isValueKind(kind)) {
        const WideChar* text = valueText(kind, dataPoint->getValue());
        if (text != nullptr) {
            quillon::WideString::snprintf(textBuffer, TEXT_SIZE, "%s %s", bulletText, text);
        }
    } else if (kind == 9 || (kind >= 12 && kind <= 14)) {
        quillon::WideString::snprintf(textBuffer, TEXT_SIZE, "%s %s", bulletText, texts::text(labelOf(kind)));
    } else if (kind == 8 || kind == 15 || kind == 16) {
        const WideChar* label = texts::text(labelOf(kind));
        if (bullet != 0) {
            quillon::WideString::snprintf(textBuffer, TEXT_SIZE, "%s %s", bulletText, label);
        } else {
            quillon::WideString::snprintf(textBuffer, TEXT_SIZE, "%s", label);
        }
    }
    return textBuffer;
}

const WideChar* EnumProvider::getSecondText(uint32_t)
{
    if (isValueKind(kind) || kind > 17) {
        return texts::empty();
    }
    const uint8_t value = dataPoint->getValue();
    switch (kind) {
    case 8:
        return value >= 1 && value <= 5 ? texts::text(CYLINDER_TYPES[value]) : texts::dashes();
    case 9:
        return texts::text(LANGUAGES[value < 4 ? value : 0]);
    case 12:
        return value < 3 ? texts::text(PLAIN_CIRCUITS[value]) : texts::empty();
    case 13:
        return value < 3 ? texts::text(MIXER_CIRCUITS[value]) : texts::empty();
    case 14:
        return texts::text(static_cast<TextId>(FIRST_SOLAR_FUNCTION + (value <= 9 ? value : 0)));
    case 15:
        if (value == 0) {
            return texts::text(OFF);
        }
        quillon::WideString::snprintf(numberBuffer, NUMBER_SIZE, "%d", static_cast<int>(value));
        return numberBuffer;
    default: // 16: the functions with an additional or auxiliary function
        return texts::text(value == 1 || value == 3 || value == 6 ? YES : NO);
    }
}
} // namespace guicontrols
