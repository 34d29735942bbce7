#include "gui/screens/settings/SettingsHeatingCircuitNamePresenter.hpp"

#include "model/records/TextRecords.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <string.h>

namespace
{
const quillon::TextId TEXT_HEATING_CIRCUIT = 963;
}

void SettingsHeatingCircuitNamePresenter::getName(uint8_t circuit, quillon::WideChar* buffer, uint16_t units)
{
    model::SettingsGroup& settings = getModel()->getGroups().settings;
    const quillon::WideChar* stored = nullptr;
    switch (circuit) {
    case 0: stored = settings.hc1.get(); break;
    case 1: stored = settings.hc2.get(); break;
    case 2: stored = settings.hc3.get(); break;
    default: break;
    }
    if (stored != nullptr && stored[0] != 0) {
        quillon::WideString::snprintf(buffer, units, "%s", stored);
        return;
    }
    quillon::WideString::snprintf(buffer, units, "%s %d", quillon::TypedText(TEXT_HEATING_CIRCUIT).getText(),
                                  static_cast<int>(circuit + 1));
}

void SettingsHeatingCircuitNamePresenter::setName(uint8_t circuit, const quillon::WideChar* name)
{
    model::CommonGroup& common = getModel()->getGroups().common;
    model::DataPoint<heating_circuit_name, DP_HEATING_CIRCUIT_NAME>* points[CIRCUITS] = {
        &common.hc1Name, &common.hc2Name, &common.hc3Name};
    if (circuit >= CIRCUITS) {
        return;
    }
    // The device knows no unnamed circuit: an emptied name is the default one, in German
    // whatever the language, which the shell reads back as "no name of its own".
    const quillon::WideChar* text = name;
    if (text == nullptr || text[0] == 0) {
        text = model::SettingsGroup::getDefaultHeatingCircuitName(circuit);
    }
    heating_circuit_name record;
    memset(record.bytes, 0, sizeof(record.bytes));
    record.bytes[0] = common.languageCode.getValue();
    uint8_t length = 0;
    while (length < MAX_CHARACTERS && text[length] != 0) {
        record.bytes[2 + 2 * length] = static_cast<uint8_t>(text[length] & 0xFF);
        record.bytes[3 + 2 * length] = static_cast<uint8_t>(text[length] >> 8);
        ++length;
    }
    record.bytes[1] = length;
    (void)points[circuit]->setValue(record); // the table holds it at once; the link sends it
}
