#ifndef GUI_SCREENS_CYLINDER_CHARTINTERVAL_HPP
#define GUI_SCREENS_CYLINDER_CHARTINTERVAL_HPP

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TopBar.hpp"

#include <quillon/TypedText.hpp>

#include <stdint.h>

// The interval the cylinder charts show and the title they show it under.
namespace chartinterval
{
// The newest interval parameter of any page; 24 hours without one.
inline int32_t ofPage(pagemanager::PageManager* pageManager)
{
    const IntervalSelection* selection =
        pageManager != nullptr ? pageManager->getParam<IntervalSelection>(nullptr) : nullptr;
    return selection != nullptr ? static_cast<int32_t>(selection->interval) : static_cast<int32_t>(INTERVAL_24_HOURS);
}

// "title" and, in orange, the interval's name; a code past the names shows "7 Days".
inline void setTitle(guicontrols::TopBar& bar, quillon::TextId title, int32_t mode)
{
    static const quillon::TextId PERIOD_TEXTS[6] = {1137, 1171, 1041, 1001, 1131, 1138};
    const uint32_t code = static_cast<uint32_t>(mode);
    const quillon::TextId period = code < 6 ? PERIOD_TEXTS[code] : PERIOD_TEXTS[INTERVAL_7_DAYS];
    bar.setTitleSegments(quillon::TypedText(title).getText(), guicontrols::Palette::entry(0),
                         quillon::TypedText(period).getText(), guicontrols::Palette::entry(10), nullptr, 0, nullptr, 0);
}
} // namespace chartinterval

#endif
