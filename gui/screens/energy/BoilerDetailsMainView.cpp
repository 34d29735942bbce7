#include "gui/screens/energy/BoilerDetailsMainView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/Content.hpp"
#include "helpers/Conversions.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_POWER = 809;       // "Actual power"
const quillon::TextId TEXT_HOURS = 841;       // "Operating hours"
const quillon::TextId TEXT_GAS = 948;         // "Gas consumption"
const quillon::TextId TEXT_ELECTRICITY = 1129; // "Electricity consumption"
const quillon::TextId FIRST_MODEL_NAME = 1541; // for flag 57, then 58, 59, 60
const uint32_t FIRST_BOILER_FLAG = 57;
const quillon::WideChar FORMAT_POWER[] = {'%', 'd', ' ', 'k', 'W', 0};
const quillon::WideChar FORMAT_HOURS[] = {'%', '.', '0', 'f', ' ', 'h', 0};
const quillon::WideChar EMPTY[] = {0};
} // namespace

BoilerDetailsMainView::BoilerDetailsMainView()
    : BaseView<BoilerDetailsMainPresenter>(&Functors::getInstance().plain),
      buttonLines{{this, GAS_LINE}, {this, ELECTRICITY_LINE}}
{
}

void BoilerDetailsMainView::beforeSetupScreen()
{
    model::GeneralGroup& general = presenter->general();
    powerProvider.set(&general.actualPower, quillon::TypedText(TEXT_POWER).getText(), FORMAT_POWER, 1.0f, 0, 0, 0);
    hoursProvider.set(&general.burnerSeconds, quillon::TypedText(TEXT_HOURS).getText(), FORMAT_HOURS,
                      helpers::secondsPerHour(), 0, 0, 0);
}

const quillon::WideChar* BoilerDetailsMainView::getTitle()
{
    return quillon::TypedText(static_cast<quillon::TextId>(FIRST_MODEL_NAME + presenter->getBoilerDevice() -
                                                           FIRST_BOILER_FLAG))
        .getText();
}

void BoilerDetailsMainView::setupContent(guicontrols::Content& area)
{
    buildList();
    area.add(listControl);
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
}

void BoilerDetailsMainView::update()
{
    buildList();
}

void BoilerDetailsMainView::buildList()
{
    beginList();
    addLine(&powerProvider);
    addLine(&hoursProvider);
    listControl.add(&buttonLines[GAS_LINE]);
    listControl.add(&buttonLines[ELECTRICITY_LINE]);
    endList();
    listControl.invalidate();
}

const quillon::WideChar* BoilerDetailsMainView::getText(uint32_t index)
{
    if (index == GAS_LINE) {
        return quillon::TypedText(TEXT_GAS).getText();
    }
    return index == ELECTRICITY_LINE ? quillon::TypedText(TEXT_ELECTRICITY).getText() : EMPTY;
}

void BoilerDetailsMainView::execute(uint32_t index)
{
    ShellContext* context = ShellContext::running();
    if (context == nullptr || pageManager == nullptr) {
        return;
    }
    Pages& pages = *context->pages;
    if (index == GAS_LINE) {
        pageManager->goTo(&pages.gasNotePage, false);
    } else if (index == ELECTRICITY_LINE) {
        pageManager->goTo(&pages.electricityNotePage, false);
    } else {
        pageManager->back();
    }
}
