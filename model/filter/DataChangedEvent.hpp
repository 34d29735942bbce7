#ifndef MODEL_FILTER_DATACHANGEDEVENT_HPP
#define MODEL_FILTER_DATACHANGEDEVENT_HPP

#include <stdint.h>

namespace model
{
// A change of one data-point table entry, offered to the filters.
class DataChangedEvent
{
public:
    // The only type produced.
    static constexpr uint32_t VALUE_CHANGED = 0;

    DataChangedEvent(uint32_t type, uint32_t index) : type(type), index(index) {}

    uint32_t getType() const { return type; }
    uint32_t getIndex() const { return index; }

private:
    uint32_t type;
    uint32_t index;
};
} // namespace model

#endif
