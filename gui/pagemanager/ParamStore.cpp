#include "gui/pagemanager/ParamStore.hpp"

namespace pagemanager
{
bool ParamStore::add(const Param<Params::ParamUnion>& param, Page* owner)
{
    if (isFull()) {
        return false;
    }
    PageParam entry;
    entry.param = param;
    entry.owner = owner;
    entries.add(entry);
    return true;
}

PageParam* ParamStore::find(uint16_t tag, Page* owner)
{
    for (uint16_t index = entries.size(); index > 0; --index) {
        PageParam& entry = entries[static_cast<uint16_t>(index - 1)];
        if (matches(entry, tag, owner)) {
            return &entry;
        }
    }
    return nullptr;
}

PageParam* ParamStore::findOwnedBy(uint16_t tag, Page* owner)
{
    for (uint16_t index = entries.size(); index > 0; --index) {
        PageParam& entry = entries[static_cast<uint16_t>(index - 1)];
        if (entry.param.getTag() == tag && entry.owner == owner) {
            return &entry;
        }
    }
    return nullptr;
}

void ParamStore::remove(uint16_t tag, Page* owner)
{
    uint16_t index = 0;
    while (index < entries.size()) {
        if (matches(entries[index], tag, owner)) {
            entries.removeAt(index); // the next entry moves down into this index
        } else {
            ++index;
        }
    }
}

void ParamStore::removeAllOf(Page* owner)
{
    uint16_t index = 0;
    while (index < entries.size()) {
        if (entries[index].owner == owner) {
            entries.removeAt(index);
        } else {
            ++index;
        }
    }
}
} // namespace pagemanager
