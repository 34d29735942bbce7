#include "gui/pages/SelectionPage.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "model/DataModelManager.hpp"

int SelectionPage::countPresent(int* index)
{
    const model::DeviceManager& devices = model::DataModelManager::getInstance().getDeviceManager();
    int present = 0;
    for (int i = 0; i < deviceGroup->count(); ++i) {
        if (devices.isPresent(deviceGroup->get(i))) {
            ++present;
            *index = i;
        }
    }
    return present;
}

void SelectionPage::onEnter(bool* redirected)
{
    *redirected = false;
    int index = 0;
    const bool single = countPresent(&index) == 1;
    if (selectionPageManager->hasParam(Params::PARAM_HEATING_CIRCUIT, this)) {
        // Back from the target: a single device steps over the choice again.
        if (single) {
            selectionPageManager->back();
            *redirected = true;
        }
        return;
    }
    if (single) {
        HeatingCircuitParam selection = {};
        selection.circuit = static_cast<uint16_t>(index);
        selectionPageManager->setParam(selection);
        selectionPageManager->goTo(selectionTarget, false);
        *redirected = true;
    }
}
