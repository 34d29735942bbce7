#include "gui/popups/PopupFactory.hpp"

PopupFactory* PopupFactory::getInstance()
{
    static PopupFactory factory;
    return &factory;
}

PopupFactory::PopupFactory()
    : testOperation(POPUP_TEST_OPERATION),
      fault(POPUP_FAULT),
      service(POPUP_SERVICE),
      wink(POPUP_WINK),
      rtcError(POPUP_RTC_ERROR),
      panelLocked(POPUP_PANEL_LOCKED),
      fillingVenting(POPUP_FILLING_VENTING),
      abgasSensor(POPUP_ABGAS_SENSOR),
      gasSensorSecurityWarning(POPUP_GAS_SENSOR_SECURITY_WARNING),
      communicationError(POPUP_COMMUNICATION_ERROR),
      errorCode(POPUP_ERROR_CODE),
      advancedWizard(POPUP_ADVANCED_WIZARD),
      devicesSecurityWarning(POPUP_DEVICES_SECURITY_WARNING),
      systemSchemeError(POPUP_SYSTEM_SCHEME_ERROR),
      schemeTimeout(POPUP_SCHEME_TIMEOUT),
      combustionControllerLocked(POPUP_COMBUSTION_CONTROLLER_LOCKED),
      maximalThermalOutput(POPUP_MAXIMAL_THERMAL_OUTPUT),
      hydraulicBalancing(POPUP_HYDRAULIC_BALANCING),
      lanCardEnable(POPUP_LAN_CARD_ENABLE),
      lanError(POPUP_LAN_ERROR),
      byId()
{
    Popup* const all[] = {
        &testOperation,        &fault,          &service,        &wink,
        &rtcError,             &panelLocked,    &fillingVenting, &abgasSensor,
        &gasSensorSecurityWarning, &communicationError, &errorCode, &advancedWizard,
        &devicesSecurityWarning, &systemSchemeError, &schemeTimeout, &combustionControllerLocked,
        &maximalThermalOutput, &hydraulicBalancing, &lanCardEnable, &lanError,
    };
    for (Popup* popup : all) {
        byId[popup->getId()] = popup;
    }
}

Popup* PopupFactory::getPopup(uint16_t popupId)
{
    return popupId < POPUP_COUNT ? byId[popupId] : nullptr;
}
