#ifndef GUI_SCREENS_WIZARD_WIZZARDTUNINGGASDHWVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDTUNINGGASDHWVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/TuningList.hpp"
#include "gui/screens/wizard/WizzardTuningGasDHWPresenter.hpp"
#include "guicontrols/BiStateContentProvider.hpp"
#include "guicontrols/EnumProvider.hpp"
#include "guicontrols/LongButton.hpp"
#include "guicontrols/NumericContentProvider.hpp"

#include <quillon/Callback.hpp>

#include <initializer_list>

namespace pagemanager
{
class Page;
}

// The boiler's and the hot water's settings for the part of the system scheme that was
// touched; four kinds of line open the screens where their values are set.
class WizzardTuningGasDHWView : public BaseView<WizzardTuningGasDHWPresenter>
{
public:
    // The lines, in the order of the array; the list order follows the scope and devices.
    enum Line : uint32_t
    {
        CYLINDER_TYPE,
        CIRCULATION_PUMP,
        SOLAR_CONTROL,
        SEPARATOR_CONNECTION,
        SETPOINT,
        REHEATING_SUPPRESSION,
        TIME_PROGRAM_1,
        TIME_PROGRAM_2,
        TIME_PROGRAM_3,
        CIRCULATION_PROGRAM_1,
        CIRCULATION_PROGRAM_2,
        CIRCULATION_PROGRAM_3,
        BURNER_SERVICE,
        SERVICE_INTERVAL,
        MAX_OUTPUT,
        LINE_COUNT
    };
    static const uint32_t PROGRAMS = 3;

    WizzardTuningGasDHWView();
    ~WizzardTuningGasDHWView() override {}

    // The providers to the presenter's values and the lines' labels, once it is bound.
    void beforeSetupScreen() override;
    const quillon::WideChar* getTitle() override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;
    void updateList();

    const TuningList& getList() const { return list; }
    const guicontrols::LongButton& getLine(Line line) const { return lines[line]; }

private:
    void addBoilerLines();
    void addHotWaterLines();
    // Hot water n (0..2): the setpoint with the first, then its time and circulation programs.
    void addProgramLines(uint32_t program);
    void onButtonClicked(const quillon::AbstractButton& button);
    void openProgram(uint32_t program, pagemanager::Page* target);

    guicontrols::LongButton lines[LINE_COUNT];
    TuningList list;
    quillon::Callback<WizzardTuningGasDHWView, const quillon::AbstractButton&> lineCallback;
    guicontrols::BiStateContentProvider<unsigned char, DP_U8> circulationPump;
    guicontrols::BiStateContentProvider<unsigned char, DP_U8> separatorConnection;
    guicontrols::EnumProvider solarControl;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> setpoint;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> reheatingSuppression;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> burnerService;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> serviceInterval;
};

#endif
