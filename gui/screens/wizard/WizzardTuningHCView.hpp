#ifndef GUI_SCREENS_WIZARD_WIZZARDTUNINGHCVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDTUNINGHCVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/wizard/TuningList.hpp"
#include "gui/screens/wizard/WizzardTuningHCPresenter.hpp"
#include "guicontrols/BiStateContentProvider.hpp"
#include "guicontrols/LongButton.hpp"
#include "guicontrols/NumericContentProvider.hpp"

#include <quillon/Callback.hpp>

namespace pagemanager
{
class Page;
}
class Pages;

// One heating circuit's settings during commissioning; most lines open the screen where the
// value is set, for the same circuit.
class WizzardTuningHCView : public BaseView<WizzardTuningHCPresenter>
{
public:
    enum Line : uint32_t
    {
        CIRCUIT_TYPE,
        HEATING_CURVE,
        MINIMUM_SUPPLY,
        MAXIMUM_SUPPLY,
        SCREED_DRYING,
        ROOM_SETPOINT,
        REDUCED_ROOM_SETPOINT,
        TIME_PROGRAM,
        CIRCUIT_NAME,
        LINE_COUNT
    };

    WizzardTuningHCView();
    ~WizzardTuningHCView() override {}

    const quillon::WideChar* getTitle() override;
    void bindProviders();
    void setupContent(guicontrols::Content& area) override;
    void update() override;
    void updateList();

    const TuningList& getList() const { return list; }
    const guicontrols::LongButton& getLine(Line line) const { return lines[line]; }

private:
    void onButtonClicked(const quillon::AbstractButton& button);
    // The page a line opens; null for the lines that only show.
    static pagemanager::Page* targetOf(Pages& pages, uint32_t line);

    guicontrols::LongButton lines[LINE_COUNT];
    TuningList list;
    quillon::Callback<WizzardTuningHCView, const quillon::AbstractButton&> lineCallback;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> minimumSupply;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> maximumSupply;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> roomSetpoint;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20> reducedRoomSetpoint;
    guicontrols::BiStateContentProvider<unsigned char, DP_U8> screedDrying;
};

#endif
