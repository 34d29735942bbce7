#ifndef GUI_APP_FRONTENDHEAP_HPP
#define GUI_APP_FRONTENDHEAP_HPP

#include "gui/app/FrontendApplication.hpp"
#include "gui/screens/auth/AuthView.hpp"
#include "gui/screens/contact/ContactDataShowPresenter.hpp"
#include "gui/screens/contact/ContactDataShowView.hpp"
#include "gui/screens/energy/BoilerDetailsMainPresenter.hpp"
#include "gui/screens/energy/BoilerDetailsMainView.hpp"
#include "gui/screens/energy/BufferLoadOneTimeChargePresenter.hpp"
#include "gui/screens/energy/BufferLoadOneTimeChargeView.hpp"
#include "gui/screens/energy/BufferLoadPresenter.hpp"
#include "gui/screens/energy/BufferLoadView.hpp"
#include "gui/screens/energy/EnergyBalanceNotePresenter.hpp"
#include "gui/screens/energy/EnergyBalanceNoteView.hpp"
#include "gui/screens/energy/EnergyCockpitPresenter.hpp"
#include "gui/screens/energy/EnergyCockpitView.hpp"
#include "gui/screens/energy/EnergyBalancePresenter.hpp"
#include "gui/screens/energy/EnergyBalanceView.hpp"
#include "gui/screens/cylinder/CylinderHistoryPresenter.hpp"
#include "gui/screens/cylinder/CylinderHistoryView.hpp"
#include "gui/screens/cylinder/CylinderMinMaxPresenter.hpp"
#include "gui/screens/cylinder/CylinderMinMaxView.hpp"
#include "gui/screens/cylinder/CylinderStratificationPresenter.hpp"
#include "gui/screens/cylinder/CylinderStratificationView.hpp"
#include "gui/screens/energy/InputGasMeterReadingPresenter.hpp"
#include "gui/screens/energy/InputGasMeterReadingView.hpp"
#include "gui/screens/energy/GasConsumptionDetectionImprovPresenter.hpp"
#include "gui/screens/energy/GasConsumptionDetectionImprovView.hpp"
#include "gui/screens/energy/InputGasQualityPresenter.hpp"
#include "gui/screens/energy/InputGasQualityView.hpp"
#include "gui/screens/energy/SolarPumpCalibrationPresenter.hpp"
#include "gui/screens/energy/SolarPumpCalibrationView.hpp"
#include "gui/screens/energy/SolarPumpStatusPresenter.hpp"
#include "gui/screens/energy/SolarPumpStatusView.hpp"
#include "gui/screens/favourites/FavouritesMainView.hpp"
#include "gui/screens/favourites/FavouritesManagePresenter.hpp"
#include "gui/screens/favourites/FavouritesManageView.hpp"
#include "gui/screens/heating/HeatingCurvePresenter.hpp"
#include "gui/screens/heating/HeatingCurveView.hpp"
#include "gui/screens/heating/HeatingHolidayProgramPresenter.hpp"
#include "gui/screens/heating/HeatingHolidayProgramView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramPresenter.hpp"
#include "gui/screens/heating/HeatingOperatingProgramView.hpp"
#include "gui/screens/infocircuit/HCxPresenter.hpp"
#include "gui/screens/infocircuit/HCxView.hpp"
#include "gui/screens/infocircuit/LANInfoPresenter.hpp"
#include "gui/screens/infocircuit/LANInfoView.hpp"
#include "gui/screens/infocircuit/ResetDataPresenter.hpp"
#include "gui/screens/infocircuit/ResetDataView.hpp"
#include "gui/screens/infocircuit/SolarPresenter.hpp"
#include "gui/screens/infocircuit/SolarView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsPresenter.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewPresenter.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewView.hpp"
#include "gui/screens/histogram/GasConsumptionDetailsPresenter.hpp"
#include "gui/screens/histogram/GasConsumptionDetailsView.hpp"
#include "gui/screens/histogram/GasConsumptionOverviewPresenter.hpp"
#include "gui/screens/histogram/GasConsumptionOverviewView.hpp"
#include "gui/screens/histogram/SolarDetailsPresenter.hpp"
#include "gui/screens/histogram/SolarDetailsView.hpp"
#include "gui/screens/histogram/SolarOverviewPresenter.hpp"
#include "gui/screens/histogram/SolarOverviewView.hpp"
#include "gui/screens/info/DHWPresenter.hpp"
#include "gui/screens/info/DHWView.hpp"
#include "gui/screens/info/GeneralPresenter.hpp"
#include "gui/screens/info/GeneralView.hpp"
#include "gui/screens/main/MainView.hpp"
#include "gui/screens/menu/CPSelectionPresenter.hpp"
#include "gui/screens/menu/CPSelectionView.hpp"
#include "gui/screens/menu/DHWSelectionPresenter.hpp"
#include "gui/screens/menu/DHWSelectionView.hpp"
#include "gui/screens/menu/HCSelectionPresenter.hpp"
#include "gui/screens/menu/HCSelectionView.hpp"
#include "gui/screens/menu/HeatingMenuPresenter.hpp"
#include "gui/screens/menu/HeatingMenuView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuPresenter.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"
#include "gui/screens/menu/MenuPresenter.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/menu/TileSelectorPresenter.hpp"
#include "gui/screens/menu/TileSelectorView.hpp"
#include "gui/screens/service/ServiceExitPresenter.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/service/TestOperationPresenter.hpp"
#include "gui/screens/service/TestOperationView.hpp"
#include "gui/screens/service/FillingView.hpp"
#include "gui/screens/service/VentingView.hpp"
#include "gui/screens/wizard/WizzardDetectedDevicesView.hpp"
#include "gui/screens/wizard/WizardReportMenuPresenter.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizardReportResultPresenter.hpp"
#include "gui/screens/wizard/WizardReportResultView.hpp"
#include "gui/screens/wizard/WizardReportSettingsPresenter.hpp"
#include "gui/screens/wizard/WizardReportSettingsView.hpp"
#include "gui/screens/wizard/WizzardTuningGasDHWPresenter.hpp"
#include "gui/screens/wizard/WizzardTuningGasDHWView.hpp"
#include "gui/screens/wizard/WizzardTuningHCPresenter.hpp"
#include "gui/screens/wizard/WizzardTuningHCView.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModulePresenter.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModuleView.hpp"
#include "gui/screens/wizard/WizzardInitPresenter.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfacePresenter.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfaceView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainPresenter.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeEditPresenter.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeEditView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeAddPresenter.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeAddView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemovePresenter.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemoveView.hpp"
#include "gui/screens/wizard/WizzardCylinderTypePresenter.hpp"
#include "gui/screens/wizard/WizzardCylinderTypeView.hpp"
#include "gui/screens/wizard/WizzardHCTypeSelectPresenter.hpp"
#include "gui/screens/wizard/WizzardHCTypeSelectView.hpp"
#include "gui/screens/settings/SettingsLanTypePresenter.hpp"
#include "gui/screens/settings/SettingsLanTypeView.hpp"
#include "gui/screens/settings/SettingsLanStaticConfigPresenter.hpp"
#include "gui/screens/settings/SettingsLanStaticConfigView.hpp"
#include "gui/screens/settings/SettingsLanParameterEditPresenter.hpp"
#include "gui/screens/settings/SettingsLanParameterEditView.hpp"
#include "gui/screens/settings/SettingsLanConnectionTestPresenter.hpp"
#include "gui/screens/settings/SettingsLanConnectionTestView.hpp"
#include "gui/screens/settings/SettingsLockPanelPresenter.hpp"
#include "gui/screens/settings/SettingsLockPanelView.hpp"
#include "gui/screens/settings/SettingsLockPanelEnablePresenter.hpp"
#include "gui/screens/settings/SettingsLockPanelEnableView.hpp"
#include "gui/screens/service/LanCardRescueUpdatePresenter.hpp"
#include "gui/screens/service/LanCardRescueUpdateView.hpp"
#include "gui/screens/setpoint/DHWBaseSetpointTempPresenter.hpp"
#include "gui/screens/setpoint/DHWBaseSetpointTempView.hpp"
#include "gui/screens/setpoint/HeatingComfortTempPresenter.hpp"
#include "gui/screens/setpoint/HeatingComfortTempView.hpp"
#include "gui/screens/setpoint/HeatingReducedRoomTempPresenter.hpp"
#include "gui/screens/setpoint/HeatingReducedRoomTempView.hpp"
#include "gui/screens/setpoint/HeatingRoomTempPresenter.hpp"
#include "gui/screens/setpoint/HeatingRoomTempView.hpp"
#include "gui/screens/settings/SettingHeatingFactoryDefaultsSelectionPresenter.hpp"
#include "gui/screens/settings/SettingHeatingFactoryDefaultsSelectionView.hpp"
#include "gui/screens/settings/SettingsBrightnessNormalPresenter.hpp"
#include "gui/screens/settings/SettingsBrightnessNormalView.hpp"
#include "gui/screens/settings/SettingsBrightnessStandbyPresenter.hpp"
#include "gui/screens/settings/SettingsBrightnessStandbyView.hpp"
#include "gui/screens/settings/SettingsBuzzerPresenter.hpp"
#include "gui/screens/settings/SettingsBuzzerView.hpp"
#include "gui/screens/settings/SettingsContactDataPresenter.hpp"
#include "gui/screens/settings/SettingsContactDataView.hpp"
#include "gui/screens/settings/SettingsDatePresenter.hpp"
#include "gui/screens/settings/SettingsDateView.hpp"
#include "gui/screens/settings/SettingsHeatingCircuitNamePresenter.hpp"
#include "gui/screens/settings/SettingsHeatingCircuitNameView.hpp"
#include "gui/screens/settings/SettingsHeatingFactoryDefaultsPresenter.hpp"
#include "gui/screens/settings/SettingsHeatingFactoryDefaultsView.hpp"
#include "gui/screens/settings/SettingsLanguagePresenter.hpp"
#include "gui/screens/settings/SettingsLanguageView.hpp"
#include "gui/screens/settings/SettingsTimePresenter.hpp"
#include "gui/screens/settings/SettingsTimeView.hpp"
#include "gui/screens/settings/SettingsLockPanelPasswordPresenter.hpp"
#include "gui/screens/settings/SettingsLockPanelPasswordView.hpp"
#include "gui/screens/settings/ServiceLevelPasswordPresenter.hpp"
#include "gui/screens/settings/ServiceLevelPasswordView.hpp"
#include "gui/screens/settings/Level2PasswordPresenter.hpp"
#include "gui/screens/settings/Level2PasswordView.hpp"
#include "gui/screens/settings/ResetPasswordsPresenter.hpp"
#include "gui/screens/settings/ResetPasswordsView.hpp"
#include "gui/screens/startup/StartupView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramOverviewView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramTypeSelectionPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramTypeSelectionView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramOverviewView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramTypeSelectionPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramTypeSelectionView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramOverviewView.hpp"

#include <quillon/MVPHeap.hpp>
#include <quillon/NoTransition.hpp>
#include <quillon/common/Meta.hpp>
#include <quillon/common/Partition.hpp>

// One slot each for the current screen's presenter, view and transition, as large as the
// largest of their kind; a screen's classes join the type lists when it is built.
class FrontendHeap : public quillon::MVPHeap
{
    template <class... T>
    struct TypesOf
    {
        typedef quillon::meta::Nil type;
    };
    template <class Head, class... Tail>
    struct TypesOf<Head, Tail...>
    {
        typedef quillon::meta::TypeList<Head, typename TypesOf<Tail...>::type> type;
    };

public:
    // One line per screen class.
    typedef TypesOf<
        StartupPresenter,
        AuthPresenter,
        EnergyBalancePresenter,
        ElectricEnergyConsumptionDetailsPresenter,
        ElectricEnergyConsumptionOverviewPresenter,
        GasConsumptionDetailsPresenter,
        GasConsumptionOverviewPresenter,
        SolarDetailsPresenter,
        SolarOverviewPresenter,
        CPSelectionPresenter,
        HCSelectionPresenter,
        IntervalSelectionMenuPresenter,
        MenuPresenter,
        TileSelectorPresenter,
        DHWBaseSetpointTempPresenter,
        DHWSelectionPresenter,
        HeatingComfortTempPresenter,
        HeatingMenuPresenter,
        HeatingReducedRoomTempPresenter,
        HeatingRoomTempPresenter,
        FavouritesMainPresenter,
        MainPresenter,
        DHWCirculationTimeProgramCopyPresenter,
        DHWCirculationTimeProgramEditPresenter,
        DHWCirculationTimeProgramOverviewPresenter,
        DHWCirculationTimeProgramTypeSelectionPresenter,
        DHWTimeProgramCopyPresenter,
        DHWTimeProgramEditPresenter,
        DHWTimeProgramOverviewPresenter,
        DHWTimeProgramTypeSelectionPresenter,
        HeatingTimeProgramCopyPresenter,
        HeatingTimeProgramEditPresenter,
        HeatingTimeProgramOverviewPresenter,
        FavouritesManagePresenter,
        HeatingCurvePresenter,
        HeatingHolidayProgramPresenter,
        HeatingOperatingProgramPresenter,
        ContactDataShowPresenter,
        BoilerDetailsMainPresenter,
        BufferLoadOneTimeChargePresenter,
        BufferLoadPresenter,
        EnergyBalanceNotePresenter,
        EnergyCockpitPresenter,
        HCxPresenter,
        LANInfoPresenter,
        ResetDataPresenter,
        SolarPresenter,
        SettingHeatingFactoryDefaultsSelectionPresenter,
        SettingsBrightnessNormalPresenter,
        SettingsBrightnessStandbyPresenter,
        SettingsBuzzerPresenter,
        SettingsContactDataPresenter,
        SettingsDatePresenter,
        SettingsHeatingCircuitNamePresenter,
        SettingsHeatingFactoryDefaultsPresenter,
        SettingsLanguagePresenter,
        SettingsTimePresenter,
        ServiceExitPresenter,
        TestOperationPresenter,
        WizzardInitPresenter,
        WizardReportMenuPresenter,
        WizardReportResultPresenter,
        GeneralPresenter,
        DHWPresenter,
        CylinderMinMaxPresenter,
        CylinderHistoryPresenter,
        CylinderStratificationPresenter,
        InputGasQualityPresenter,
        InputGasMeterReadingPresenter,
        GasConsumptionDetectionImprovPresenter,
        SettingsLockPanelPasswordPresenter,
        ServiceLevelPasswordPresenter,
        Level2PasswordPresenter,
        ResetPasswordsPresenter,
        SettingsLanTypePresenter,
        SettingsLanStaticConfigPresenter,
        SettingsLanParameterEditPresenter,
        SettingsLanConnectionTestPresenter,
        SettingsLockPanelPresenter,
        SettingsLockPanelEnablePresenter,
        LanCardRescueUpdatePresenter,
        SolarPumpStatusPresenter,
        SolarPumpCalibrationPresenter,
        WizzardAbsorberSurfacePresenter,
        WizardReportSettingsPresenter,
        WizzardTuningGasDHWPresenter,
        WizzardTuningHCPresenter,
        WizzardTuningSolarModulePresenter,
        FillingPresenter,
        VentingPresenter,
        WizzardDetectedDevicesPresenter,
        WizzardSystemSchemeMainPresenter,
        WizzardSystemSchemeEditPresenter,
        WizzardSystemSchemeAddPresenter,
        WizzardSystemSchemeRemovePresenter,
        WizzardCylinderTypePresenter,
        WizzardHCTypeSelectPresenter>::type Presenters;
    typedef TypesOf<
        StartupView,
        AuthView,
        EnergyBalanceView,
        ElectricEnergyConsumptionDetailsView,
        ElectricEnergyConsumptionOverviewView,
        GasConsumptionDetailsView,
        GasConsumptionOverviewView,
        SolarDetailsView,
        SolarOverviewView,
        CPSelectionView,
        HCSelectionView,
        IntervalSelectionMenuView,
        MenuView,
        TileSelectorView,
        DHWBaseSetpointTempView,
        DHWSelectionView,
        HeatingComfortTempView,
        HeatingMenuView,
        HeatingReducedRoomTempView,
        HeatingRoomTempView,
        FavouritesMainView,
        MainView,
        DHWCirculationTimeProgramCopyView,
        DHWCirculationTimeProgramEditView,
        DHWCirculationTimeProgramOverviewView,
        DHWCirculationTimeProgramTypeSelectionView,
        DHWTimeProgramCopyView,
        DHWTimeProgramEditView,
        DHWTimeProgramOverviewView,
        DHWTimeProgramTypeSelectionView,
        HeatingTimeProgramCopyView,
        HeatingTimeProgramEditView,
        HeatingTimeProgramOverviewView,
        FavouritesManageView,
        HeatingCurveView,
        HeatingHolidayProgramView,
        HeatingOperatingProgramView,
        ContactDataShowView,
        BoilerDetailsMainView,
        BufferLoadOneTimeChargeView,
        BufferLoadView,
        EnergyBalanceNoteView,
        EnergyCockpitView,
        HCxView,
        LANInfoView,
        ResetDataView,
        SolarView,
        SettingHeatingFactoryDefaultsSelectionView,
        SettingsBrightnessNormalView,
        SettingsBrightnessStandbyView,
        SettingsBuzzerView,
        SettingsContactDataView,
        SettingsDateView,
        SettingsHeatingCircuitNameView,
        SettingsHeatingFactoryDefaultsView,
        SettingsLanguageView,
        SettingsTimeView,
        ServiceExitView,
        TestOperationView,
        WizzardInitView,
        WizardReportMenuView,
        WizardReportResultView,
        GeneralView,
        DHWView,
        CylinderMinMaxView,
        CylinderHistoryView,
        CylinderStratificationView,
        InputGasQualityView,
        InputGasMeterReadingView,
        GasConsumptionDetectionImprovView,
        SettingsLockPanelPasswordView,
        ServiceLevelPasswordView,
        Level2PasswordView,
        ResetPasswordsView,
        SettingsLanTypeView,
        SettingsLanStaticConfigView,
        SettingsLanParameterEditView,
        SettingsLanConnectionTestView,
        SettingsLockPanelView,
        SettingsLockPanelEnableView,
        LanCardRescueUpdateView,
        SolarPumpStatusView,
        SolarPumpCalibrationView,
        WizzardAbsorberSurfaceView,
        WizardReportSettingsView,
        WizzardTuningGasDHWView,
        WizzardTuningHCView,
        WizzardTuningSolarModuleView,
        FillingView,
        VentingView,
        WizzardDetectedDevicesView,
        WizzardSystemSchemeMainView,
        WizzardSystemSchemeEditView,
        WizzardSystemSchemeAddView,
        WizzardSystemSchemeRemoveView,
        WizzardCylinderTypeView,
        WizzardHCTypeSelectView>::type Views;
    typedef quillon::meta::TypeList<quillon::NoTransition, quillon::meta::Nil> Transitions;

    // The one heap of the GUI task, built on first use; it then goes to the start page.
    static FrontendHeap& getInstance();

    // Builds the application with the model and sends it to the start-up page.
    explicit FrontendHeap(model::DataModelManager& model);
    ~FrontendHeap() override {}

    FrontendApplication& getApplication() { return app; }

    // A screen fits when its classes are no larger and no more aligned than the slot.
    template <class V>
    static constexpr bool fitsView()
    {
        return sizeof(V) <= quillon::meta::LargestSize<Views>::value &&
               alignof(V) <= quillon::meta::LargestAlignment<Views>::value;
    }
    template <class P>
    static constexpr bool fitsPresenter()
    {
        return sizeof(P) <= quillon::meta::LargestSize<Presenters>::value &&
               alignof(P) <= quillon::meta::LargestAlignment<Presenters>::value;
    }

private:
    quillon::Partition<Presenters, 1> presenters;
    quillon::Partition<Views, 1> views;
    quillon::Partition<Transitions, 1> transitions;
    FrontendApplication app;
};

#endif
