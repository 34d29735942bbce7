#ifndef GUI_POPUPS_POPUPFACTORY_HPP
#define GUI_POPUPS_POPUPFACTORY_HPP

#include "gui/popups/AbgasSensorPopup.hpp"
#include "gui/popups/AdvancedWizardPopup.hpp"
#include "gui/popups/CombustionControllerLockedPopup.hpp"
#include "gui/popups/CommunicationErrorPopup.hpp"
#include "gui/popups/DevicesSecurityWarningPopup.hpp"
#include "gui/popups/ErrorCodePopup.hpp"
#include "gui/popups/FaultPopup.hpp"
#include "gui/popups/FillingVentingPopup.hpp"
#include "gui/popups/GasSensorSecurityWarningPopup.hpp"
#include "gui/popups/HydraulicBalancingPopup.hpp"
#include "gui/popups/IPopupFactory.hpp"
#include "gui/popups/LANErrorPopup.hpp"
#include "gui/popups/LanCardEnablePopup.hpp"
#include "gui/popups/MaximalThermalOutputPopup.hpp"
#include "gui/popups/PanelLockedPopup.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/popups/RTCErrorPopup.hpp"
#include "gui/popups/SchemeTimeoutPopup.hpp"
#include "gui/popups/ServicePopup.hpp"
#include "gui/popups/SystemSchemeErrorPopup.hpp"
#include "gui/popups/TestOperationPopup.hpp"
#include "gui/popups/WinkPopup.hpp"

// The one instance of each of the 20 popups, built when the first popup container asks and
// reused by every screen for the whole run; a popup keeps its own state between showings.
class PopupFactory : public IPopupFactory
{
public:
    static PopupFactory* getInstance();

    // Null for any id but 0..19.
    Popup* getPopup(uint16_t popupId) override;

private:
    PopupFactory();
    PopupFactory(const PopupFactory&) = delete;
    PopupFactory& operator=(const PopupFactory&) = delete;

    TestOperationPopup testOperation;
    FaultPopup fault;
    ServicePopup service;
    WinkPopup wink;
    RTCErrorPopup rtcError;
    PanelLockedPopup panelLocked;
    FillingVentingPopup fillingVenting;
    AbgasSensorPopup abgasSensor;
    GasSensorSecurityWarningPopup gasSensorSecurityWarning;
    CommunicationErrorPopup communicationError;
    ErrorCodePopup errorCode;
    AdvancedWizardPopup advancedWizard;
    DevicesSecurityWarningPopup devicesSecurityWarning;
    SystemSchemeErrorPopup systemSchemeError;
    SchemeTimeoutPopup schemeTimeout;
    CombustionControllerLockedPopup combustionControllerLocked;
    MaximalThermalOutputPopup maximalThermalOutput;
    HydraulicBalancingPopup hydraulicBalancing;
    LanCardEnablePopup lanCardEnable;
    LANErrorPopup lanError;
    // By id, filled once.
    Popup* byId[POPUP_COUNT];
};

#endif
