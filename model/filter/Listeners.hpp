#ifndef MODEL_FILTER_LISTENERS_HPP
#define MODEL_FILTER_LISTENERS_HPP

#include "model/IProperty.hpp"

#include <stdint.h>

namespace model
{
class IPropertyFilter;

// Told which position of a filter's list claimed a table change.
class IDataChangedListener
{
public:
    virtual void onPropertyChanged(IPropertyFilter* filter, uint32_t position) = 0;
    virtual ~IDataChangedListener() {}
};

// A function call's response arrived; the buffer is the call's response, read only.
class IRPCResponseListener
{
public:
    virtual void onRPCResponse(uint32_t functionIndex, const uint8_t* response) = 0;
    virtual ~IRPCResponseListener() {}
};

// A setting was stored.
class ISettingChangeListener
{
public:
    virtual void onSettingChanged(uint32_t settingId) = 0;
    virtual ~ISettingChangeListener() {}
};

// A function-call property (kind 3): a filter that lists it subscribes to its responses.
class IRPCResponseSource : public IProperty
{
public:
    virtual void addListener(IRPCResponseListener* listener) = 0;
    virtual void removeListener(IRPCResponseListener* listener) = 0;
};

// A setting property (kind 4): a filter that lists it subscribes to its stores.
class ISettingChangeSource : public IProperty
{
public:
    virtual void addListener(ISettingChangeListener* listener) = 0;
    virtual void removeListener(ISettingChangeListener* listener) = 0;
};
} // namespace model

#endif
