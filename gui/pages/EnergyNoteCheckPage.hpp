#ifndef GUI_PAGES_ENERGYNOTECHECKPAGE_HPP
#define GUI_PAGES_ENERGYNOTECHECKPAGE_HPP

#include "gui/pagemanager/Page.hpp"

namespace pagemanager
{
class PageManager;
}

// A note shown until it has been acknowledged; afterwards the page sends the user on and
// stays out of the history.
class EnergyNoteCheckPage : public pagemanager::Page
{
public:
    static const uint32_t HEAT_METER_DEVICE = 60;
    static const uint32_t SECOND_METER_DEVICE = 64;

    EnergyNoteCheckPage(uint16_t id, int32_t accessMask, int32_t timeout, pagemanager::Page* withoutDevices,
                        pagemanager::Page* withDevices, pagemanager::PageManager* manager, bool deviceCheck)
        : pagemanager::Page(id, accessMask, timeout, false),
          pageWithoutDevices(withoutDevices),
          pageWithDevices(withDevices),
          notePageManager(manager),
          checkDevices(deviceCheck)
    {
    }

    void onEnter(bool* redirected) override;

private:
    pagemanager::Page* pageWithoutDevices;
    pagemanager::Page* pageWithDevices;
    pagemanager::PageManager* notePageManager;
    bool checkDevices;
};

#endif
