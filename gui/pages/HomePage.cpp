#include "gui/pages/HomePage.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

void HomePage::onEnter(bool* redirected)
{
    *redirected = false;
    homePageManager->removeParam(Params::PARAM_HOME_ICON);
}

void HomePage::onLeave()
{
    homePageManager->setParam(Params::HomeIcon{homeIcon});
}
