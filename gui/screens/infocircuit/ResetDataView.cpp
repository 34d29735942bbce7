#include "gui/screens/infocircuit/ResetDataView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/WideLiteral.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "helpers/WideFormat.hpp"

namespace
{
using quillon::TextId;
using quillon::WideChar;
using guicontrols::providertexts::text;

const TextId INFORMATION_TITLE = 995; // "Information reset data"
const TextId DIAGNOSIS_TITLE = 883;   // "Diagnosis reset data"
const TextId INFORMATION_HELP = 713;
const TextId DIAGNOSIS_HELP = 746;
const TextId QUESTION = 1179;       // the same for every counter
const TextId NAMED_QUESTION = 1182; // "... reset %s?"
const TextId DONE = 887;
const uint8_t PLAIN = 0;
const uint8_t YES = 1;
const int16_t SPACING = 10;

} // namespace

ResetDataView::ResetDataView() : ResetDataView(listChoiceOfPage(ShellContext::current().pageManager, OverviewUse::PageOnly))
{
}

ResetDataView::ResetDataView(const ListChoice& choice)
    : BaseView<ResetDataPresenter>(&Functors::getInstance().plain), title(), selected(0), itemOfButton(),
      buttonCount(0), buttonCallback(this, &ResetDataView::onButtonClicked)
{
    // This screen has no Status list.
    mode = choice.mode == LIST_MODE_INFORMATION ? LIST_MODE_INFORMATION : LIST_MODE_DIAGNOSIS;
    if (choice.titled) {
        helpers::formatWide(title, TITLE_UNITS, "%ls",
                            text(mode == LIST_MODE_INFORMATION ? INFORMATION_TITLE : DIAGNOSIS_TITLE));
    }
}

const quillon::WideChar* ResetDataView::getHelpText()
{
    return text(mode == LIST_MODE_INFORMATION ? INFORMATION_HELP : DIAGNOSIS_HELP);
}

void ResetDataView::setupContent(guicontrols::Content& area)
{
    scrollArea.setPadding(0, 0, 0, 0);
    scrollArea.setPosition(30, 10, static_cast<int16_t>(area.getWidth() - 50),
                           static_cast<int16_t>(area.getHeight() - 20));
    scrollArea.setItemSpacing(SPACING);
    bindProviders();
    area.add(scrollArea);
    configure();
}

void ResetDataView::update()
{
    configure();
}

void ResetDataView::bindProviders()
{
    model::ResetDataGroup& counters = presenter->counters();
    model::DataPoint<solar_info, DP_SOLAR_INFO>* info = &counters.solarInfo;
    subduedOutsideTemperature.set(&counters.adjustedOutsideTemperature, text(1436), "%d°C", PLAIN);
    burnerHours.set(&counters.burnerHours, text(1280), wide(u"%.0f h"), 3600.0f, PLAIN, 0, 1);
    burnerStarts.set(&counters.burnerStarts, text(1281), wide(u"%d"), 1.0f, PLAIN, 0, 0);
    pumpHours.set(info, text(1096), 8, PLAIN);
    solarEnergy.set(info, text(1092), 5, PLAIN);
    pumpStarts.set(info, text(1364), 7, PLAIN);
    stagnation.set(info, text(1365), 9, PLAIN);
    incorrectCirculation.set(info, text(1295), 12, PLAIN);
    differenceMonitor.set(info, text(1282), 13, PLAIN);
    output22Hours.set(info, text(1359), 11, PLAIN);
    output22Starts.set(info, text(1360), 10, PLAIN);
    all.setTexts(text(1438), guicontrols::providertexts::empty(), PLAIN);
}

void ResetDataView::configureInformation()
{
    const bool solar = presenter->hasLargeSolarSystem();
    const Row rows[] = {
        {&burnerHours, RESET_ITEM_BURNER_HOURS, true},
        {&burnerStarts, RESET_ITEM_BURNER_STARTS, true},
        {&pumpHours, RESET_ITEM_PUMP_HOURS, solar},
        {&solarEnergy, RESET_ITEM_SOLAR_ENERGY, presenter->hasSolarEnergy()},
        {&output22Hours, RESET_ITEM_OUTPUT_22_HOURS, solar},
        {&all, RESET_ITEM_ALL, true},
    };
    buildButtons(rows, sizeof(rows) / sizeof(rows[0]));
}

void ResetDataView::configureDiagnosis()
{
    const bool solar = presenter->hasLargeSolarSystem();
    const Row rows[] = {
        {&subduedOutsideTemperature, RESET_ITEM_SUBDUED_OUTSIDE_TEMPERATURE,
         presenter->hasSubduedOutsideTemperature()},
        {&burnerHours, RESET_ITEM_BURNER_HOURS, true},
        {&burnerStarts, RESET_ITEM_BURNER_STARTS, true},
        {&pumpHours, RESET_ITEM_PUMP_HOURS, solar},
        {&solarEnergy, RESET_ITEM_SOLAR_ENERGY, presenter->hasSolarEnergy()},
        {&pumpStarts, RESET_ITEM_PUMP_STARTS, solar},
        {&stagnation, RESET_ITEM_STAGNATION, solar},
        {&incorrectCirculation, RESET_ITEM_INCORRECT_CIRCULATION, solar},
        {&differenceMonitor, RESET_ITEM_DIFFERENCE_MONITOR, solar},
        {&output22Hours, RESET_ITEM_OUTPUT_22_HOURS, solar},
        {&output22Starts, RESET_ITEM_OUTPUT_22_STARTS, solar},
        {&all, RESET_ITEM_ALL_DETAILS, true},
    };
    buildButtons(rows, sizeof(rows) / sizeof(rows[0]));
}

void ResetDataView::buildButtons(const Row* rows, uint32_t count)
{
    scrollArea.removeAll(); // keeps the scroll position
    buttonCount = 0;
    for (uint32_t row = 0; row < count && buttonCount < BUTTONS; ++row) {
        if (!rows[row].shown) {
            continue;
        }
        guicontrols::LongButton& button = buttons[buttonCount];
        button.setText(rows[row].provider->getText(0));
        button.setValueText(rows[row].provider->getSecondText(0));
        button.setAction(buttonCallback);
        scrollArea.addItem(button);
        itemOfButton[buttonCount] = rows[row].item;
        ++buttonCount;
    }
    scrollArea.invalidate();
}

void ResetDataView::onButtonClicked(const quillon::AbstractButton& button)
{
    for (uint32_t k = 0; k < buttonCount; ++k) {
        if (&button != &buttons[k]) {
            continue;
        }
        if (mode == LIST_MODE_INFORMATION) {
            showConfirm(text(QUESTION));
        } else {
            showConfirm(text(NAMED_QUESTION), buttons[k].getText());
        }
        selected = k;
        return;
    }
}

void ResetDataView::onConfirmFinished(uint8_t result, bool* handled)
{
    *handled = true;
    if (result != YES) {
        setViewMode(this);
        return;
    }
    presenter->resetData(itemOfButton[selected]);
    presenter->refreshCounters();
    showFeedback(text(DONE));
}

void ResetDataView::onFeedbackFinished(bool* handled)
{
    *handled = true;
    setViewMode(this);
}
