#include "gui/app/InterimPages.hpp"

namespace
{
const char* const STEMS[InterimPages::PAGE_COUNT] = {
    "BoilerDetailsMain", // 0
    "ElectricEnergyConsumptionDetails", // 1
    "ElectricEnergyConsumptionOverview", // 2
    "GasConsumptionDetails", // 3
    "GasConsumptionDetectionImprov", // 4
    "GasConsumptionOverview", // 5
    "InputGasMeterReading", // 6
    "InputGasQuality", // 7
    "BufferLoadOneTimeCharge", // 8
    "BufferLoad", // 9
    "Auth", // 10
    "CPSelection", // 11
    "HCSelection", // 12
    "IntervalSelectionMenu", // 13
    "Menu", // 14
    "TileSelector", // 15
    "DHWBaseSetpointTemp", // 16
    "DHWCirculationTimeProgramCopy", // 17
    "DHWCirculationTimeProgramEdit", // 18
    "DHWCirculationTimeProgramOverview", // 19
    "DHWCirculationTimeProgramTypeSelection", // 20
    "DHWSelection", // 21
    "DHWTimeProgramCopy", // 22
    "DHWTimeProgramEdit", // 23
    "DHWTimeProgramOverview", // 24
    "DHWTimeProgramTypeSelection", // 25
    "EnergyBalanceNote", // 26
    "EnergyBalance", // 27
    "EnergyCockpit", // 28
    "FavouritesMain", // 29
    "FavouritesManage", // 30
    "HeatingComfortTemp", // 31
    "HeatingCurve", // 32
    "HeatingHolidayProgram", // 33
    "HeatingMenu", // 34
    "HeatingOperatingProgram", // 35
    "HeatingReducedRoomTemp", // 36
    "HeatingRoomTemp", // 37
    "HeatingTimeProgramCopy", // 38
    "HeatingTimeProgramEdit", // 39
    "HeatingTimeProgramOverview", // 40
    "ContactDataShow", // 41
    "CylinderHistory", // 42
    "CylinderMinMax", // 43
    "CylinderStratification", // 44
    "DHW", // 45
    "General", // 46
    "HCx", // 47
    "LANInfo", // 48
    "ResetData", // 49
    "Solar", // 50
    "Main", // 51
    "Startup", // 52
    "Level2Password", // 53
    "ResetPasswords", // 54
    "ServiceLevelPassword", // 55
    "SettingsLockPanelPassword", // 56
    "Filling", // 57
    "SolarPumpCalibration", // 58
    "SolarPumpStatus", // 59
    "Venting", // 60
    "ServiceExit", // 61
    "LanCardRescueUpdate", // 62
    "SettingHeatingFactoryDefaultsSelection", // 63
    "SettingsBrightnessNormal", // 64
    "SettingsBrightnessStandby", // 65
    "SettingsBuzzer", // 66
    "SettingsContactData", // 67
    "SettingsDate", // 68
    "SettingsHeatingCircuitName", // 69
    "SettingsHeatingFactoryDefaults", // 70
    "SettingsLanConnectionTest", // 71
    "SettingsLanguage", // 72
    "SettingsLanParameterEdit", // 73
    "SettingsLanStaticConfig", // 74
    "SettingsLanType", // 75
    "SettingsLockPanelEnable", // 76
    "SettingsLockPanel", // 77
    "SettingsTime", // 78
    "SolarDetails", // 79
    "SolarOverview", // 80
    "TestOperation", // 81
    "WizardReportMenu", // 82
    "WizardReportResult", // 83
    "WizardReportSettings", // 84
    "WizzardAbsorberSurface", // 85
    "WizzardCylinderType", // 86
    "WizzardDetectedDevices", // 87
    "WizzardHCTypeSelect", // 88
    "WizzardInit", // 89
    "WizzardSystemSchemeAdd", // 90
    "WizzardSystemSchemeEdit", // 91
    "WizzardSystemSchemeMain", // 92
    "WizzardSystemSchemeRemove", // 93
    "WizzardTuningGasDHW", // 94
    "WizzardTuningHC", // 95
    "WizzardTuningSolarModule", // 96
};

// The pages still shown by the interim screen; none may remain once all screens are built.
const uint16_t INTERIM[] = {
    57, // Filling
    58, // SolarPumpCalibration
    59, // SolarPumpStatus
    60, // Venting
    84, // WizardReportSettings
    85, // WizzardAbsorberSurface
    87, // WizzardDetectedDevices
    94, // WizzardTuningGasDHW
    95, // WizzardTuningHC
    96, // WizzardTuningSolarModule
};
} // namespace

namespace InterimPages
{
bool isInterim(uint16_t pageId)
{
    for (uint16_t id : INTERIM) {
        if (id == pageId) {
            return true;
        }
    }
    return false;
}

const char* stemOf(uint16_t pageId)
{
    return pageId < PAGE_COUNT ? STEMS[pageId] : nullptr;
}
} // namespace InterimPages
