#ifndef MODEL_SETTINGS_SETTINGPROPERTY_HPP
#define MODEL_SETTINGS_SETTINGPROPERTY_HPP

#include "model/filter/ListenerList.hpp"
#include "model/filter/Listeners.hpp"
#include "model/settings/SettingsStorage.hpp"

#include <quillon/hal/Types.hpp>

#include <stddef.h>
#include <stdint.h>
#include <string.h>

namespace model
{
// One persistent panel setting: its id, its listeners and a changed flag. The value lives
// in the settings store; the typed subclasses read and write it.
class BaseSettingProperty : public ISettingChangeSource
{
public:
    static constexpr uint32_t MAX_LISTENERS = 3;

    explicit BaseSettingProperty(SettingId settingId);
    BaseSettingProperty(const BaseSettingProperty&) = delete;
    BaseSettingProperty& operator=(const BaseSettingProperty&) = delete;

    // Not cleared here: get clears it.
    bool isChanged() const override { return changed != 0; }
    void setChanged() override { changed = 1; }
    bool activate() override { return false; }
    bool deactivate() override { return false; }
    bool refresh() override { return false; }

    // A fourth listener is ignored.
    void addListener(ISettingChangeListener* listener) override;
    // Every occurrence; the last entry takes the freed place.
    void removeListener(ISettingChangeListener* listener) override;
    void notifyListeners();

    SettingId getSettingId() const { return settingId; }
    uint32_t getListenerCount() const { return listeners.size(); }

protected:
    // A missing record reads as the default. Where the default is stored as zeros, the
    // store may take a missing record for the same bytes; otherwise writing zeros over it
    // would be skipped and the default would come back.
    static SettingsStorage::Compare compareFor(const void* defaultBytes, uint32_t length);
    // What set reports after the store answered.
    bool finishSet(StoreResult result);

    SettingId settingId;
    ListenerList<ISettingChangeListener, MAX_LISTENERS> listeners;
    uint8_t changed;
};

// Settings are never claimed by table changes and never asked of the device.
class TypedSettingProperty : public BaseSettingProperty
{
public:
    using BaseSettingProperty::BaseSettingProperty;

    bool request() override { return false; }
    uint32_t getKind() const override { return KIND_SETTING; }
    bool handleEvent(const DataChangedEvent&) override { return false; }
};

// A scalar setting (unsigned char, unsigned int), stored in its own size.
template <typename T>
class SettingProperty : public TypedSettingProperty
{
public:
    SettingProperty(SettingId settingId, T defaultValue) : TypedSettingProperty(settingId), defaultValue(defaultValue) {}

    // The stored value; a setting without one stores its default and returns it.
    virtual T get()
    {
        T value = defaultValue;
        const uint8_t* data = nullptr;
        uint32_t length = 0;
        SettingsStorage& store = SettingsStorage::getInstance();
        // A record of another size was not written by this setting: it reads as missing.
        if (store.getData(settingId, &data, &length) == STORE_OK && length == sizeof(T)) {
            memcpy(&value, data, sizeof(T));
        } else {
            set(defaultValue);
        }
        changed = 0;
        return value;
    }

    virtual operator T() { return get(); }

    // True when stored or already stored; the listeners hear only of a new value.
    virtual bool set(const T& value)
    {
        return finishSet(SettingsStorage::getInstance().write(settingId, &value, sizeof(T),
                                                              compareFor(&defaultValue, sizeof(T))));
    }

    T operator=(T value)
    {
        set(value);
        return value;
    }

    T getDefault() const { return defaultValue; }

private:
    T defaultValue;
};

// The six touch-screen calibration coefficients.
template <>
class SettingProperty<int[6]> : public TypedSettingProperty
{
public:
    static constexpr uint32_t COUNT = 6;

    SettingProperty(SettingId settingId, const int (&defaults)[COUNT]) : TypedSettingProperty(settingId)
    {
        memcpy(defaultValue, defaults, sizeof(defaultValue));
    }

    // Points into the store's image, or at the default.
    virtual const int* get()
    {
        const uint8_t* data = nullptr;
        uint32_t length = 0;
        const int* result = defaultValue;
        if (SettingsStorage::getInstance().getData(settingId, &data, &length) == STORE_OK &&
            length == sizeof(defaultValue)) {
            result = reinterpret_cast<const int*>(data); // the record's data are 4-aligned
        } else {
            set(defaultValue);
        }
        changed = 0;
        return result;
    }

    virtual operator const int*() { return get(); }

    virtual bool set(const int* values)
    {
        return finishSet(SettingsStorage::getInstance().write(settingId, values, sizeof(defaultValue),
                                                              compareFor(defaultValue, sizeof(defaultValue))));
    }

    const int* getDefault() const { return defaultValue; }

private:
    int defaultValue[COUNT];
};

// A UTF-16 text of at most UNITS - 1 units, stored with its terminator.
template <size_t UNITS>
class SettingProperty<unsigned short[UNITS]> : public TypedSettingProperty
{
public:
    static_assert(2 * UNITS <= SETTINGS_MAX_DATA, "a text setting must fit one record");

    // A longer default keeps its first UNITS - 1 units.
    SettingProperty(SettingId settingId, const quillon::WideChar* defaultText) : TypedSettingProperty(settingId)
    {
        const size_t units = boundedLength(defaultText, UNITS - 1);
        memcpy(defaultValue, defaultText, units * sizeof(quillon::WideChar));
        memset(defaultValue + units, 0, (UNITS - units) * sizeof(quillon::WideChar));
    }

    // Points into the store's image, or at the default; always terminated.
    virtual const quillon::WideChar* get()
    {
        const uint8_t* data = nullptr;
        uint32_t length = 0;
        const quillon::WideChar* result = defaultValue;
        if (SettingsStorage::getInstance().getData(settingId, &data, &length) == STORE_OK &&
            isTerminatedText(data, length)) {
            result = reinterpret_cast<const quillon::WideChar*>(data);
        } else {
            set(defaultValue);
        }
        changed = 0;
        return result;
    }

    virtual operator const quillon::WideChar*() { return get(); }

    // A text of UNITS units or more is refused: nothing is stored, false.
    virtual bool set(const quillon::WideChar* text)
    {
        const size_t units = boundedLength(text, UNITS);
        if (units >= UNITS) {
            changed = 1;
            return false;
        }
        const uint32_t bytes = static_cast<uint32_t>((units + 1) * sizeof(quillon::WideChar));
        const uint32_t defaultBytes =
            static_cast<uint32_t>((boundedLength(defaultValue, UNITS) + 1) * sizeof(quillon::WideChar));
        return finishSet(
            SettingsStorage::getInstance().write(settingId, text, bytes, compareFor(defaultValue, defaultBytes)));
    }

    const quillon::WideChar* getDefault() const { return defaultValue; }

private:
    // Units before the terminator, at most limit.
    static size_t boundedLength(const quillon::WideChar* text, size_t limit)
    {
        size_t units = 0;
        while (units < limit && text[units] != 0) {
            ++units;
        }
        return units;
    }

    // Only a record this setting could have written is read as text: whole units, no more
    // than UNITS of them, and a terminator among them.
    static bool isTerminatedText(const uint8_t* data, uint32_t length)
    {
        if (length == 0 || length % 2 != 0 || length > 2 * UNITS) {
            return false;
        }
        const quillon::WideChar* units = reinterpret_cast<const quillon::WideChar*>(data);
        return boundedLength(units, length / 2) < length / 2;
    }

    quillon::WideChar defaultValue[UNITS];
};
} // namespace model

#endif
