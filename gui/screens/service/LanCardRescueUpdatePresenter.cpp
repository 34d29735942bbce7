#include "gui/screens/service/LanCardRescueUpdatePresenter.hpp"

void LanCardRescueUpdatePresenter::activate()
{
    versionAtEntry = lan().firmwareVersion.getValue();
    watch({&lan().rescueUpdate, &lan().firmwareVersion});
}
