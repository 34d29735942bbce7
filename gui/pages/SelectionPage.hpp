#ifndef GUI_PAGES_SELECTIONPAGE_HPP
#define GUI_PAGES_SELECTIONPAGE_HPP

#include "gui/pagemanager/IDeviceGroup.hpp"
#include "gui/pagemanager/Page.hpp"

namespace pagemanager
{
class PageManager;
}

// A choice of circuit that steps over itself, both ways, when only one device of its group
// is present.
class SelectionPage : public pagemanager::Page
{
public:
    SelectionPage(uint16_t id, int32_t accessMask, int32_t timeout, pagemanager::Page* target,
                  pagemanager::PageManager* manager, IDeviceGroup* group)
        : pagemanager::Page(id, accessMask, timeout, false),
          selectionTarget(target),
          selectionPageManager(manager),
          deviceGroup(group)
    {
    }

    void onEnter(bool* redirected) override;

private:
    // The number of present devices; the index of the last one found in *index.
    int countPresent(int* index);

    pagemanager::Page* selectionTarget;
    pagemanager::PageManager* selectionPageManager;
    IDeviceGroup* deviceGroup;
};

#endif
