#ifndef GUI_SCREENS_INFOCIRCUIT_LISTCHOICE_HPP
#define GUI_SCREENS_INFOCIRCUIT_LISTCHOICE_HPP

#include "gui/screens/list/ListConfiguration.hpp"

#include <stdint.h>

namespace pagemanager
{
class PageManager;
}

// What an information list opens: its mode, the circuit of a per-circuit list, and whether
// a title is formatted (a page without a list setting gets none).
struct ListChoice
{
    int32_t mode;
    uint8_t circuit;
    bool titled;
};

enum class OverviewUse
{
    StatusFromOverview, // an overview's state 2 opens the Status list
    PageOnly,
};

// Read once, when the screen is built: an overview's state first (when the list has a Status
// mode), then the current page's list setting. Any non-zero `diagnosis` opens the Diagnosis
// list, and a circuit index past the three circuits opens circuit 1.
ListChoice listChoiceOfPage(pagemanager::PageManager* pageManager, OverviewUse overview);

#endif
