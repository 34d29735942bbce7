#ifndef GUI_SCREENS_MAIN_RUNNINGAPPLICATION_HPP
#define GUI_SCREENS_MAIN_RUNNINGAPPLICATION_HPP

#include "gui/app/FrontendApplication.hpp"

#include <quillon/Application.hpp>

// The panel's application when it runs (null under a bare test application): the home pages
// need its page tree and its dimmed state.
inline FrontendApplication* runningApplication()
{
    return dynamic_cast<FrontendApplication*>(quillon::Application::getInstance());
}

// The favourites page whose tile list the home pages count, or null.
inline const pagemanager::Page* favouritesPageOfApplication()
{
    FrontendApplication* application = runningApplication();
    return application != nullptr ? &application->getPages().favouritesMainPage : nullptr;
}

#endif
