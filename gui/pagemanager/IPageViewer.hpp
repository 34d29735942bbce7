#ifndef GUI_PAGEMANAGER_IPAGEVIEWER_HPP
#define GUI_PAGEMANAGER_IPAGEVIEWER_HPP

#include <stdint.h>

namespace pagemanager
{
// What the page manager asks of the application: it never builds a screen itself.
class IPageViewer
{
public:
    virtual ~IPageViewer() {}
    // The viewer switches on a later frame; of several calls before it the last one wins.
    virtual void showPage(uint16_t pageId) = 0;
    virtual void setDimmed(bool dimmed) = 0;
    virtual bool isDimmed() = 0;
    // The current page is about to be left; the screen may react.
    virtual void onPageLeave() = 0;
};
} // namespace pagemanager

#endif
