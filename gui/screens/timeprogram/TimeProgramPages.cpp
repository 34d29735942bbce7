#include "gui/screens/timeprogram/TimeProgramPages.hpp"

#include "gui/app/FrontendApplication.hpp"

Pages* TimeProgramPages::find()
{
    FrontendApplication* application = dynamic_cast<FrontendApplication*>(quillon::Application::getInstance());
    return application != nullptr ? &application->getPages() : nullptr;
}

pagemanager::Page* TimeProgramPages::page(pagemanager::Page Pages::*member)
{
    Pages* pages = find();
    return pages != nullptr && member != nullptr ? &(pages->*member) : nullptr;
}
