#ifndef GUI_PAGES_HOMEPAGE_HPP
#define GUI_PAGES_HOMEPAGE_HPP

#include "gui/pagemanager/Page.hpp"

namespace pagemanager
{
class PageManager;
}

// An anchor that hands its home-button icon to the pages opened from it; 0xFFFF hides the
// home button above it (the wizards).
class HomePage : public pagemanager::Page
{
public:
    HomePage(uint16_t id, int32_t accessMask, int32_t timeout, pagemanager::PageManager* manager, uint16_t icon)
        : pagemanager::Page(id, accessMask, timeout, true), homePageManager(manager), homeIcon(icon)
    {
    }

    void onEnter(bool* redirected) override;
    void onLeave() override;

private:
    pagemanager::PageManager* homePageManager;
    uint16_t homeIcon;
};

#endif
