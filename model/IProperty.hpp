#ifndef MODEL_IPROPERTY_HPP
#define MODEL_IPROPERTY_HPP

#include <stdint.h>

namespace model
{
class DataChangedEvent;

// Everything a screen or a filter can watch.
class IProperty
{
public:
    enum Kind : uint32_t
    {
        KIND_DATA_POINT = 1,
        KIND_RANGE = 2,
        KIND_FUNCTION_CALL = 3,
        KIND_SETTING = 4,
    };

    // Changed since it was last read.
    virtual bool isChanged() const = 0;
    virtual void setChanged() = 0;
    // Asks the device for the current value now.
    virtual bool request() = 0;
    virtual uint32_t getKind() const = 0;
    // Watched: poll fast. Unwatched: poll normally.
    virtual bool activate() = 0;
    virtual bool deactivate() = 0;
    // True when the table change concerns this property.
    virtual bool handleEvent(const DataChangedEvent& event) = 0;
    virtual bool refresh() = 0;
    virtual ~IProperty() {}
};
} // namespace model

#endif
