#ifndef GUI_PAGEMANAGER_PAGE_HPP
#define GUI_PAGEMANAGER_PAGE_HPP

#include "gui/pagemanager/PointerParam.hpp"

#include <stdint.h>

namespace pagemanager
{
// A place the page manager can go: the screen to show, the access it needs, how long it
// may stay idle and whether it is a stop on the way home. Page objects are static and
// several may show the same screen with different attached data.
class Page
{
public:
    static constexpr int32_t NO_TIMEOUT = -1;

    Page(uint16_t id, int32_t accessMask, int32_t timeout, bool anchor)
        : id(id), accessMask(accessMask), timeout(timeout), anchor(anchor)
    {
    }
    virtual ~Page() {}

    virtual uint16_t getId() const { return id; }
    virtual int32_t getAccessMask() const { return accessMask; }
    virtual int32_t getTimeout() const { return timeout; }
    virtual bool isAnchor() const { return anchor; }
    // After the page became current, before it is shown. A page that navigates from here
    // sets *redirected; the nested call has then done all the work.
    virtual void onEnter(bool* redirected) { *redirected = false; }
    virtual void onLeave() {}

    // Only while the page table is built.
    void setPointerParam(const PointerParam& attached) { pointer = attached; }

    // Null unless the page was given a T.
    template <typename T>
    T* getPointer() const
    {
        return pointer.as<T>();
    }

private:
    uint16_t id;
    int32_t accessMask;
    int32_t timeout;
    bool anchor;
    PointerParam pointer;
};
} // namespace pagemanager

#endif
