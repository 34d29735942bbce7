#include "gui/screens/settings/SettingsHeatingFactoryDefaultsView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/screens/heating/CircuitOfPage.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId TEXT_FACTORY_SETTINGS = 975; // "%s factory settings"
const quillon::TextId TEXT_HEATING_CIRCUITS = 976;
const quillon::TextId TEXT_QUESTION = 1177;
const quillon::TextId TEXT_DONE = 886;
} // namespace

SettingsHeatingFactoryDefaultsView::SettingsHeatingFactoryDefaultsView()
    : BaseView<SettingsHeatingFactoryDefaultsPresenter>(&Functors::getInstance().plain), circuit(0), number(), title()
{
}

bool SettingsHeatingFactoryDefaultsView::readCircuit()
{
    if (pageManager == nullptr || pageManager->getParam<HeatingCircuitParam>(nullptr) == nullptr) {
        return false;
    }
    circuit = static_cast<uint8_t>(circuitOfPage(pageManager));
    return true;
}

void SettingsHeatingFactoryDefaultsView::setupTopBar(guicontrols::TopBar& bar)
{
    readCircuit();
    number[0] = static_cast<quillon::WideChar>('1' + circuit);
    number[1] = 0;
    const quillon::WideChar* format = quillon::TypedText(TEXT_FACTORY_SETTINGS).getText();
    const quillon::WideChar* name = presenter->getCircuitName(circuit);
    if (name[0] != 0) {
        quillon::WideString::snprintf(title, TITLE_UNITS, format, name);
    } else {
        quillon::WideChar part[PART_UNITS];
        quillon::WideString::snprintf(part, PART_UNITS, format, number);
        quillon::WideString::snprintf(title, TITLE_UNITS, "%s %s", quillon::TypedText(TEXT_HEATING_CIRCUITS).getText(),
                                      part);
    }
    GenericView::setupTopBar(bar);
}

void SettingsHeatingFactoryDefaultsView::setupContent(guicontrols::Content& area)
{
    (void)area;
    if (readCircuit()) {
        showConfirm(quillon::TypedText(TEXT_QUESTION).getText());
    }
}

void SettingsHeatingFactoryDefaultsView::onConfirmFinished(uint8_t result, bool* handled)
{
    *handled = true;
    if (result == 0) {
        if (pageManager != nullptr) {
            pageManager->back();
        }
        return;
    }
    if (!presenter->resetCircuit(circuit)) {
        // Nothing was sent: ask again, so that the user can retry.
        showConfirm(quillon::TypedText(TEXT_QUESTION).getText());
        return;
    }
    showFeedback(quillon::TypedText(TEXT_DONE).getText(), number);
}
