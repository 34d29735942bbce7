#ifndef GUI_SCREENS_WIZARD_WIZZARDTUNINGSOLARMODULEVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDTUNINGSOLARMODULEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/TuningList.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModulePresenter.hpp"
#include "gui/viewmodes/HelioraWarningViewMode.hpp"
#include "guicontrols/BiStateContentProvider.hpp"
#include "guicontrols/EnumProvider.hpp"
#include "guicontrols/LongButton.hpp"
#include "guicontrols/NumericContentProvider.hpp"

#include <quillon/Callback.hpp>

// The solar module's settings during commissioning. A solar controller of its own (the first
// two solar configurations) is set up there: the screen then only says so.
class WizzardTuningSolarModuleView : public BaseView<WizzardTuningSolarModulePresenter>
{
public:
    enum Line : uint32_t
    {
        PUMP_TYPE,
        CALIBRATION,
        STAGNATION,
        SOLAR_CONTROL,
        ABSORBER_SURFACE,
        CYLINDER_MAXIMUM,
        LINE_COUNT
    };
    static const uint16_t TITLE_UNITS = 100;
    static const int32_t PUMP_TYPE_CHOICE = 1; // of the tile selector

    WizzardTuningSolarModuleView();
    ~WizzardTuningSolarModuleView() override {}

    // The providers to the presenter's values and the lines' labels, once it is bound.
    void beforeSetupScreen() override;
    const quillon::WideChar* getTitle() override { return title; }
    void setupContent(guicontrols::Content& area) override;
    void refresh() override;
    void onViewModeFinished() override;
    void updateList();

    bool isNotice() const { return notice; }
    const TuningList& getList() const { return list; }
    const guicontrols::LongButton& getLine(Line line) const { return lines[line]; }
    const HelioraWarningViewMode& getNoticeMode() const { return noticeMode; }

private:
    void onButtonClicked(const quillon::AbstractButton& button);

    quillon::Callback<WizzardTuningSolarModuleView, const quillon::AbstractButton&> lineCallback;
    guicontrols::LongButton lines[LINE_COUNT];
    TuningList list;
    guicontrols::BiStateContentProvider<unsigned char, DP_U8> pumpType;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> stagnation;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> cylinderMaximum;
    guicontrols::EnumProvider solarControl;
    guicontrols::NumericContentProvider<float, DP_FLOAT, 20> absorberSurface;
    HelioraWarningViewMode noticeMode;
    quillon::WideChar title[TITLE_UNITS];
    bool notice;
};

#endif
