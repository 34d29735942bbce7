#ifndef GUI_SCREENS_INFO_INFOACTIONENTRIES_HPP
#define GUI_SCREENS_INFO_INFOACTIONENTRIES_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace pagemanager
{
class PageManager;
}

// The action lines of the hot-water parts of the information lists:
//   0..2 "DHW time prog n", 3..5 "DHW circ time prog n"   read-only overview of program n
//   6 cylinder history, 7 stratification                   through their interval menus
//   8 cylinder/collector minimum and maximum               only where the list asks for it
// any other index goes back a page.
class InfoActionEntries
{
public:
    static constexpr uint32_t ENTRIES = 9;
    static constexpr uint32_t CYLINDER_HISTORY = 6;
    static constexpr uint32_t STRATIFICATION = 7;
    static constexpr uint32_t MIN_MAX = 8;

    // The entry's label; empty for an index without one.
    static const quillon::WideChar* label(uint32_t index);
    // The time programs are titled by their number in every list but Information.
    static void execute(pagemanager::PageManager* pageManager, uint32_t index, int32_t listMode);
    // The minimum/maximum screen on its collector minimum: its views share the interval
    // parameter, where a chart menu may have left 4, which there means reset.
    static void openMinMax(pagemanager::PageManager* pageManager);
};

#endif
