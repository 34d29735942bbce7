#include "gui/screens/cylinder/CylinderMinMaxView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "model/devices/DeviceIds.hpp"

namespace
{
namespace texts = guicontrols::providertexts;

const quillon::TextId TEXT_HELP = 788;
const quillon::TextId TEXT_RESET_DONE = 887;    // "The data have been reset."
const quillon::TextId TEXT_RESET_TITLE = 1108;  // "Collector and cylinder min/max reset"
const quillon::TextId TEXT_AT_CYLINDER = 837;   // "At cylinder temperatures:"
const quillon::TextId TEXT_MEASURED_AT = 1036;  // "Time of measurement"
const quillon::TextId TEXT_COLLECTOR = 1008;    // "Collector temperature"
const quillon::TextId TEXT_FIRST_SENSOR = 1246; // "T1:" .. "T5:"
const uint32_t SENSORS = 5;
const uint8_t BULLET = 1;
const uint8_t PLAIN = 0;
const uint32_t KIND_TIME = 0;
const uint32_t KIND_COLLECTOR = 1;
const uint32_t KIND_FIRST_SENSOR = 2;

// Per view: its title with and without a valid reset time, its first line and, for the
// cylinder views, the extreme line with its field kind.
struct ViewLines
{
    quillon::TextId titleSinceReset;
    quillon::TextId title;
    quillon::TextId firstLine;
    quillon::TextId extremeLine; // 0: none
    uint32_t extremeKind;
};

const ViewLines VIEW_LINES[CylinderMinMaxView::VIEWS] = {
    {1012, 1010, 1010, 0, 0},      // collector minimum
    {1011, 1009, 1009, 0, 0},      // collector maximum
    {1117, 1116, TEXT_COLLECTOR, 836, 11}, // cylinder minimum: "At minimum cylinder temperature"
    {1114, 1115, TEXT_COLLECTOR, 835, 12}, // cylinder maximum
};

const quillon::WideChar* text(quillon::TextId id)
{
    return texts::text(id);
}
} // namespace

CylinderMinMaxView::CylinderMinMaxView()
    : BaseView<CylinderMinMaxPresenter>(&Functors::getInstance().plain), page(0), title(texts::empty()), firstSensorLine()
{
}

void CylinderMinMaxView::bindProviders()
{
    model::CylinderGroup& cylinder = presenter->cylinder();
    guicontrols::CylinderMinMaxProvider::DataPointType* records[VIEWS] = {
        &cylinder.collectorMinimum, &cylinder.collectorMaximum, &cylinder.cylinderMinimum, &cylinder.cylinderMaximum};
    for (uint32_t view = 0; view < VIEWS; ++view) {
        const ViewLines& lines = VIEW_LINES[view];
        uint32_t line = 0;
        values[view][line++].set(records[view], text(lines.firstLine), KIND_COLLECTOR, PLAIN);
        if (lines.extremeLine != 0) {
            values[view][line++].set(records[view], text(lines.extremeLine), lines.extremeKind, PLAIN);
        }
        values[view][line++].set(records[view], text(TEXT_MEASURED_AT), KIND_TIME, PLAIN);
        firstSensorLine[view] = line;
        for (uint32_t sensor = SENSORS; sensor >= 1; --sensor) {
            values[view][line++].set(records[view], text(static_cast<quillon::TextId>(TEXT_FIRST_SENSOR + sensor - 1)),
                                     KIND_FIRST_SENSOR + sensor - 1, BULLET);
        }
        atCylinder[view].setTexts(text(TEXT_AT_CYLINDER), texts::empty(), PLAIN);
    }
}

// The view comes from the interval parameter at every top-bar setup; without one, or with a
// number past the reset, the view stays and the bar has no title of its own.
void CylinderMinMaxView::setupTopBar(guicontrols::TopBar& bar)
{
    title = texts::empty();
    const IntervalSelection* selection =
        pageManager != nullptr ? pageManager->getParam<IntervalSelection>(nullptr) : nullptr;
    const bool sinceReset = presenter->isResetTimeValid();
    if (selection != nullptr && selection->interval <= RESET_VIEW) {
        page = selection->interval;
        if (page == RESET_VIEW) {
            title = text(TEXT_RESET_TITLE);
        } else {
            title = text(sinceReset ? VIEW_LINES[page].titleSinceReset : VIEW_LINES[page].title);
        }
    }
    const quillon::WideChar* date = sinceReset && page != RESET_VIEW ? presenter->getResetDateText() : nullptr;
    bar.clear();
    bar.setTitleSegments(title, guicontrols::Palette::entry(0), date, guicontrols::Palette::entry(10), nullptr, 0,
                         nullptr, 0);
}

const quillon::WideChar* CylinderMinMaxView::getHelpText()
{
    return text(TEXT_HELP);
}

void CylinderMinMaxView::setupContent(guicontrols::Content& area)
{
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
    area.add(listControl);
    updateList();
}

void CylinderMinMaxView::update()
{
    updateList();
}

void CylinderMinMaxView::onFeedbackFinished(bool* handled)
{
    *handled = true;
    presenter->refreshAll();
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void CylinderMinMaxView::updateList()
{
    if (page == RESET_VIEW) {
        // Once per visit: the feedback's own mode does not run this screen's refresh.
        presenter->resetMinMax();
        presenter->refreshAll();
        showFeedback(text(TEXT_RESET_DONE));
        return;
    }
    beginList();
    const uint32_t sensorsFrom = firstSensorLine[page] + (presenter->isAvailable(DEVICE_BOILER_4) ? 0 : 1);
    for (uint32_t line = 0; line < firstSensorLine[page]; ++line) {
        addLine(&values[page][line]);
    }
    addLine(&atCylinder[page], 1);
    for (uint32_t line = sensorsFrom; line < firstSensorLine[page] + SENSORS; ++line) {
        addSubLine(&values[page][line], 1);
    }
    endList();
    setupTopBar(topBar);
}
