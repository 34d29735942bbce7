#include "gui/popups/PopupBinder.hpp"

#include "gui/pagemanager/IPopupManager.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupData.hpp"
#include "gui/popups/PopupId.hpp"

PopupBinder::PopupBinder(model::DataModelManager& model, pagemanager::IPopupManager* manager, PopupData* data)
    : popupModel(model), popupManager(manager), popupData(data), pageManager(nullptr), pages(nullptr)
{
}

void PopupBinder::setNavigation(pagemanager::PageManager* manager, Pages* pageTree)
{
    pageManager = manager;
    pages = pageTree;
}

void PopupBinder::onPopupDataChanged()
{
    PopupData& data = *popupData;
    pagemanager::IPopupManager& manager = *popupManager;
    const uint8_t LEVEL = 1;

    if (data.isTestOperationActive()) {
        manager.show(POPUP_TEST_OPERATION, LEVEL);
    } else {
        manager.close(POPUP_TEST_OPERATION);
    }
    if (data.isVentingRequested()) {
        goToProcedurePage(false);
    }
    if (data.isFillingRequested()) {
        goToProcedurePage(true);
    }
    if (data.hasFault()) {
        manager.show(POPUP_FAULT, LEVEL);
    } else {
        manager.close(POPUP_FAULT);
    }
    if (data.isCombustionControllerLocked()) {
        manager.show(POPUP_COMBUSTION_CONTROLLER_LOCKED, LEVEL);
    } else {
        manager.close(POPUP_COMBUSTION_CONTROLLER_LOCKED);
    }
    // Never closed by a rule: the popup ends the wink itself.
    if (data.isWinkActive() && !manager.isActive(POPUP_WINK)) {
        manager.show(POPUP_WINK, LEVEL);
    }
    // The level is the number of pending messages: one more brings a dismissed popup back.
    const uint8_t serviceCount = data.getServiceCount();
    if (serviceCount > 0) {
        manager.show(POPUP_SERVICE, serviceCount);
    } else {
        manager.close(POPUP_SERVICE);
    }
    applyFlueGasCheckResult(data.takeFlueGasCheckResult());
    if (data.takeClockErrorOnce()) {
        manager.show(POPUP_RTC_ERROR, LEVEL);
    }
    if (data.isLinkOk()) {
        manager.close(POPUP_COMMUNICATION_ERROR);
    } else {
        manager.show(POPUP_COMMUNICATION_ERROR, LEVEL);
    }
    if (data.isHydraulicBalancingActive()) {
        manager.show(POPUP_HYDRAULIC_BALANCING, LEVEL);
    } else {
        manager.close(POPUP_HYDRAULIC_BALANCING);
    }
}

void PopupBinder::goToProcedurePage(bool filling)
{
    if (pageManager == nullptr || pages == nullptr) {
        return;
    }
    const pagemanager::Page* current = pageManager->getCurrentPage();
    if (current == nullptr) {
        return;
    }
    const uint16_t currentId = current->getId();
    if (currentId == pages->fillingPage.getId() || currentId == pages->ventingPage.getId()) {
        return;
    }
    pageManager->goTo(filling ? &pages->fillingPage : &pages->ventingPage, false);
}

void PopupBinder::applyFlueGasCheckResult(uint8_t result)
{
    if (result == PopupData::CHECK_PASSED) {
        if (pageManager != nullptr) {
            Params::Commissioning* commissioning = pageManager->getParam<Params::Commissioning>();
            if (commissioning != nullptr) {
                commissioning->mask |= FLUE_GAS_CHECK_PASSED_BIT;
            }
        }
        popupManager->show(POPUP_ADVANCED_WIZARD, 1);
        popupManager->remove(POPUP_ABGAS_SENSOR);
    } else if (result == PopupData::CHECK_FAILED) {
        popupManager->show(POPUP_ERROR_CODE, 1);
        popupManager->remove(POPUP_ABGAS_SENSOR);
    }
}
