#ifndef GUI_APP_INTERIMPAGES_HPP
#define GUI_APP_INTERIMPAGES_HPP

#include <stdint.h>

// Pages whose own View and Presenter are not built yet show an interim screen: the screen's
// stem and id as title, empty content, home and back, so every road through the page tree
// works end to end. A screen that gets built takes its id off this list.
namespace InterimPages
{
static const uint16_t PAGE_COUNT = 97;

bool isInterim(uint16_t pageId);
// "SettingsLanguage" for 72; null above the last id.
const char* stemOf(uint16_t pageId);
} // namespace InterimPages

#endif
