#include "model/settings/SettingProperty.hpp"

namespace model
{
BaseSettingProperty::BaseSettingProperty(SettingId settingId)
    : settingId(settingId), listeners(), changed(0)
{
}

void BaseSettingProperty::addListener(ISettingChangeListener* listener)
{
    listeners.add(listener);
}

void BaseSettingProperty::removeListener(ISettingChangeListener* listener)
{
    listeners.remove(listener);
}

void BaseSettingProperty::notifyListeners()
{
    for (uint32_t position = 0; position < listeners.size(); ++position) {
        if (listeners[position]) {
            listeners[position]->onSettingChanged(settingId);
        }
    }
}

SettingsStorage::Compare BaseSettingProperty::compareFor(const void* defaultBytes, uint32_t length)
{
    const uint8_t* bytes = static_cast<const uint8_t*>(defaultBytes);
    for (uint32_t i = 0; i < length; ++i) {
        if (bytes[i] != 0) {
            return SettingsStorage::Compare::WithStoredRecord;
        }
    }
    return SettingsStorage::Compare::WithImage;
}

bool BaseSettingProperty::finishSet(StoreResult result)
{
    if (result == STORE_OK) {
        notifyListeners();
    }
    changed = 1;
    return result == STORE_OK || result == STORE_UNCHANGED;
}
} // namespace model
