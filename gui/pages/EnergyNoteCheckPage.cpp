#include "gui/pages/EnergyNoteCheckPage.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "model/DataModelManager.hpp"

void EnergyNoteCheckPage::onEnter(bool* redirected)
{
    *redirected = false;
    notePageManager->setParam(IntervalSelection{});
    model::DataModelManager& noteModel = model::DataModelManager::getInstance();
    if (noteModel.getGroups().cylinder.flag296.getValue() == 0) {
        return; // not acknowledged yet: the note shows
    }
    pagemanager::Page* next = pageWithDevices;
    if (checkDevices) {
        const model::DeviceManager& devices = noteModel.getDeviceManager();
        const bool meters = devices.isPresent(HEAT_METER_DEVICE) || devices.isPresent(SECOND_METER_DEVICE);
        next = meters ? pageWithDevices : pageWithoutDevices;
    }
    *redirected = true;
    notePageManager->goTo(next, true);
}
