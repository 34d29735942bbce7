#ifndef GUI_SCREENS_WIZARD_WIZZARDDETECTEDDEVICESVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDDETECTEDDEVICESVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "gui/screens/wizard/WizzardDetectedDevicesPresenter.hpp"
#include "guicontrols/SimpleTextProvider.hpp"

// Steps 2 and 3 of the wizard: a waiting message while the bus devices answer (first visit
// only), then the components found and the sensors without a fault. From the report menu the
// same list without step and "Continue".
class WizzardDetectedDevicesView : public BaseView<WizzardDetectedDevicesPresenter>, public ListConfiguration
{
public:
    struct DeviceEntry
    {
        guicontrols::SimpleTextProvider provider;
        uint32_t flag;
    };

    static const uint32_t DEVICE_COUNT = 30;
    static const uint32_t SENSOR_COUNT = WizzardDetectedDevicesPresenter::SENSOR_COUNT;
    static const uint16_t STEP_TEXT_SIZE = 15;
    static const uint8_t CONTINUE_BUTTON = 5;
    static const quillon::TextId TITLE_TEXT = 927;
    static const quillon::TextId REPORT_TITLE_TEXT = 1015;
    static const quillon::TextId WAITING_TEXT = 912;
    static const quillon::TextId CONTINUE_TEXT = 1168;
    static const quillon::TextId HELP_TEXT = 724;
    static const quillon::TextId REPORT_HELP_TEXT = 771;
    static const uint8_t CONTINUE_COLOR = 8;
    static const uint8_t FEEDBACK_SECONDS = 60;
    static const uint16_t ADDITIONAL_SETTINGS_POPUP = 11;
    static const uint32_t DETECTION_VISITED_BIT = 0x0080;
    static const uint32_t REPORT_REACHED_BIT = 0x0800;

    WizzardDetectedDevicesView();
    ~WizzardDetectedDevicesView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onFeedbackFinished(bool* handled) override;

    void fillList();

    bool isDetectionArmed() const { return runDetection; }
    bool isReportForm() const { return reportForm; }
    const DeviceEntry& getDevice(uint32_t index) const { return devices[index]; }
    const DeviceEntry& getSensor(uint32_t index) const { return sensors[index]; }

private:
    DeviceEntry devices[DEVICE_COUNT];
    DeviceEntry sensors[SENSOR_COUNT];
    bool runDetection;
    bool reportForm;
    quillon::WideChar stepText[STEP_TEXT_SIZE];
};

#endif
