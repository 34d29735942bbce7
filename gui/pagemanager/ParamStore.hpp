#ifndef GUI_PAGEMANAGER_PARAMSTORE_HPP
#define GUI_PAGEMANAGER_PARAMSTORE_HPP

#include "gui/pagemanager/PageParam.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace pagemanager
{
// The page parameters in the order they were stored, newest last. An owner of null in a
// query means any owner.
class ParamStore
{
public:
    static constexpr uint16_t CAPACITY = 20;

    // False, storing nothing, when the store is full.
    bool add(const Param<Params::ParamUnion>& param, Page* owner);
    PageParam* find(uint16_t tag, Page* owner);
    // Only an entry of exactly this owner, null included.
    PageParam* findOwnedBy(uint16_t tag, Page* owner);
    bool has(uint16_t tag, Page* owner) { return find(tag, owner) != nullptr; }
    void remove(uint16_t tag, Page* owner);
    void removeAllOf(Page* owner);
    void removeAt(uint16_t index) { entries.removeAt(index); }
    void clear() { entries.clear(); }

    uint16_t size() const { return entries.size(); }
    bool isFull() const { return entries.size() == CAPACITY; }
    const PageParam& at(uint16_t index) const { return entries[index]; }

private:
    static bool matches(const PageParam& entry, uint16_t tag, Page* owner)
    {
        return entry.param.getTag() == tag && (owner == nullptr || entry.owner == owner);
    }

    quillon::Vector<PageParam, CAPACITY> entries;
};
} // namespace pagemanager

#endif
