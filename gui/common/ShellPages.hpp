#ifndef GUI_COMMON_SHELLPAGES_HPP
#define GUI_COMMON_SHELLPAGES_HPP

#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"

// The running application's page tree and its pages, or null where no application of ours runs.
class ShellPages
{
public:
    static Pages* find() { return ShellContext::current().pages; }

    static pagemanager::Page* page(pagemanager::Page Pages::*member)
    {
        Pages* pages = find();
        return pages != nullptr && member != nullptr ? &(pages->*member) : nullptr;
    }

    // The favourites page whose tile list the home pages count, or null.
    static const pagemanager::Page* favourites()
    {
        Pages* pages = find();
        return pages != nullptr ? &pages->favouritesMainPage : nullptr;
    }
};

#endif
