#include "gui/screens/settings/SettingsHeatingCircuitNameView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/screens/heating/CircuitOfPage.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 974;
const quillon::TextId TEXT_HELP = 731;
const quillon::TextId TEXT_ACCEPTED = 1467;
} // namespace

SettingsHeatingCircuitNameView::SettingsHeatingCircuitNameView()
    : BaseView<SettingsHeatingCircuitNamePresenter>(&Functors::getInstance().plain),
      circuit(0),
      circuitChosen(false),
      name(),
      title(),
      number()
{
}

bool SettingsHeatingCircuitNameView::readCircuit()
{
    circuitChosen = pageManager != nullptr && pageManager->getParam<HeatingCircuitParam>(nullptr) != nullptr;
    if (circuitChosen) {
        circuit = static_cast<uint8_t>(circuitOfPage(pageManager));
    }
    return circuitChosen;
}

void SettingsHeatingCircuitNameView::setupTopBar(guicontrols::TopBar& bar)
{
    readCircuit();
    number[0] = static_cast<quillon::WideChar>('1' + circuit);
    number[1] = 0;
    quillon::WideString::snprintf(title, TITLE_UNITS, quillon::TypedText(TEXT_TITLE).getText(), number);
    GenericView::setupTopBar(bar);
}

const quillon::WideChar* SettingsHeatingCircuitNameView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void SettingsHeatingCircuitNameView::setupContent(guicontrols::Content& area)
{
    if (!readCircuit()) {
        return;
    }
    keyboard.setPosition(0, 0, area.getWidth(), area.getHeight());
    presenter->getName(circuit, name, NAME_UNITS);
    keyboard.setMaxLength(SettingsHeatingCircuitNamePresenter::MAX_CHARACTERS);
    keyboard.setText(name);
    area.add(keyboard);
}

void SettingsHeatingCircuitNameView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(SERVICE_NOTICE_BUTTON);
    // Without a circuit there is nothing to accept, and accepting would rename the first.
    if (circuitChosen) {
        bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
    }
}

void SettingsHeatingCircuitNameView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON || !circuitChosen) {
        GenericView::onBottomBarButton(index);
        return;
    }
    // The feedback copies its arguments at once; the keyboard keeps the text for the write.
    showFeedback(quillon::TypedText(TEXT_ACCEPTED).getText(), keyboard.getText(), number);
    presenter->setName(circuit, keyboard.getText());
}
