#include "gui/screens/wizard/WizzardTuningHCView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/common/WideLiteral.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const uint8_t PLAIN = 0;

const quillon::WideChar* text(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}

const quillon::WideChar* degrees()
{
    return wide(u"%d°C");
}
} // namespace

WizzardTuningHCView::WizzardTuningHCView()
    : BaseView<WizzardTuningHCPresenter>(&Functors::getInstance().plain),
      lineCallback(this, &WizzardTuningHCView::onButtonClicked)
{
    lines[CIRCUIT_TYPE].setText(quillon::TypedText(979));
    lines[HEATING_CURVE].setText(quillon::TypedText(1566));
    lines[TIME_PROGRAM].setText(quillon::TypedText(1191));
    lines[CIRCUIT_NAME].setText(quillon::TypedText(968));
    for (guicontrols::LongButton& line : lines) {
        line.setAction(lineCallback);
    }
}

const quillon::WideChar* WizzardTuningHCView::getTitle()
{
    return presenter->getTitle();
}

void WizzardTuningHCView::bindProviders()
{
    model::HCGroup& circuits = presenter->groups().hc;
    const uint16_t circuit = presenter->getCircuit();
    minimumSupply.set(&circuits.minimumSupplyTemperature[circuit], text(1157), degrees(), 1.0f, PLAIN, 0, 0);
    maximumSupply.set(&circuits.maximumSupplyTemperature[circuit], text(1156), degrees(), 1.0f, PLAIN, 0, 0);
    screedDrying.set(&circuits.screedDrying[circuit], text(929), text(825), text(1430), 0, PLAIN);
    roomSetpoint.set(&circuits.roomSetpoint[circuit], text(1070), degrees(), 1.0f, PLAIN, 0, 0);
    reducedRoomSetpoint.set(&circuits.reducedRoomSetpoint[circuit], text(1072), degrees(), 1.0f, PLAIN, 0, 0);
}

void WizzardTuningHCView::setupContent(guicontrols::Content& area)
{
    bindProviders();
    list.setUp(area);
    updateList();
}

void WizzardTuningHCView::update()
{
    updateList();
}

void WizzardTuningHCView::updateList()
{
    struct Valued
    {
        Line line;
        guicontrols::ITextContentProvider* provider;
    };
    const Valued valued[] = {{MINIMUM_SUPPLY, &minimumSupply},
                             {MAXIMUM_SUPPLY, &maximumSupply},
                             {SCREED_DRYING, &screedDrying},
                             {ROOM_SETPOINT, &roomSetpoint},
                             {REDUCED_ROOM_SETPOINT, &reducedRoomSetpoint}};
    for (const Valued& entry : valued) {
        lines[entry.line].setText(entry.provider->getText(0));
    }
    const bool screed = presenter->isScreedDryingAvailable();
    list.begin();
    list.add(lines[CIRCUIT_TYPE]);
    list.add(lines[HEATING_CURVE]);
    for (const Valued& entry : valued) {
        if (entry.line != SCREED_DRYING || screed) {
            list.add(lines[entry.line], *entry.provider);
        }
    }
    list.add(lines[TIME_PROGRAM]);
    list.add(lines[CIRCUIT_NAME]);
    list.end();
}

pagemanager::Page* WizzardTuningHCView::targetOf(Pages& pages, uint32_t line)
{
    switch (line) {
    case CIRCUIT_TYPE:
        return &pages.wizardHcTypeSelectPage;
    case HEATING_CURVE:
        return &pages.heatingCurvePage;
    case ROOM_SETPOINT:
        return &pages.heatingRoomTempPage;
    case REDUCED_ROOM_SETPOINT:
        return &pages.heatingReducedRoomTempPage;
    case TIME_PROGRAM:
        return &pages.heatingTimeProgramOverviewPage;
    case CIRCUIT_NAME:
        return &pages.circuitNamePage;
    default:
        return nullptr; // the supply temperatures and screed drying only show
    }
}

void WizzardTuningHCView::onButtonClicked(const quillon::AbstractButton& button)
{
    Pages* pages = ShellPages::find();
    if (pageManager == nullptr || pages == nullptr) {
        return;
    }
    for (uint32_t line = 0; line < LINE_COUNT; ++line) {
        pagemanager::Page* target = &button == &lines[line] ? targetOf(*pages, line) : nullptr;
        if (target != nullptr) {
            // The target screens read the circuit from the selection the scheme stored.
            pageManager->goTo(target, false);
            return;
        }
    }
}
