#include "gui/screens/wizard/WizzardHCTypeSelectView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
// Scheme symbols by type value.
const uint32_t FIRST_CIRCUIT_SYMBOL = 7;
const uint32_t MIXER_CIRCUIT_SYMBOL = 10;
const uint32_t UNDERFLOOR_SYMBOL = 8;
const uint32_t POOL_SYMBOL = 9;
const uint8_t UNDERFLOOR = 1;
} // namespace

WizzardHCTypeSelectView::WizzardHCTypeSelectView()
    : BaseView<WizzardHCTypeSelectPresenter>(&Functors::getInstance().plain),
      typeClicked(this, &WizzardHCTypeSelectView::onTypeClicked),
      chosenType(0)
{
}

const quillon::WideChar* WizzardHCTypeSelectView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}

void WizzardHCTypeSelectView::setupContent(guicontrols::Content& area)
{
    (void)area;
    // Read once: a later change of the device value keeps the engineer's choice.
    chosenType = presenter != nullptr ? presenter->getType() : 0;
    updateContent();
}

void WizzardHCTypeSelectView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, OK_ICON);
}

void WizzardHCTypeSelectView::update()
{
    updateContent();
}

void WizzardHCTypeSelectView::updateContent()
{
    content.reset();
    const bool firstCircuit = presenter == nullptr || presenter->getCircuit() == 0;
    const int16_t count = firstCircuit ? 2 : 3;
    const uint32_t symbols[TYPE_COUNT] = {firstCircuit ? FIRST_CIRCUIT_SYMBOL : MIXER_CIRCUIT_SYMBOL,
                                          UNDERFLOOR_SYMBOL, POOL_SYMBOL};
    for (uint8_t type = 0; type < TYPE_COUNT; ++type) {
        buttons[type].setDevice(symbols[type], 0, guicontrols::SystemSchemeDeviceButton::LOOSE,
                                guicontrols::SystemSchemeDeviceButton::NO_LINE);
    }
    if (chosenType < TYPE_COUNT) {
        buttons[chosenType].setMode(guicontrols::SystemSchemeDeviceButton::LOOSE_SELECTED);
    }
    int16_t x = static_cast<int16_t>((ROW_WIDTH - count * buttons[0].getWidth()) / 2);
    for (uint8_t type = 0; type < TYPE_COUNT; ++type) {
        if (type == UNDERFLOOR && firstCircuit) {
            continue;
        }
        buttons[type].setXY(x, ROW_Y);
        buttons[type].setAction(typeClicked);
        content.add(buttons[type]);
        x = static_cast<int16_t>(x + buttons[type].getWidth() + GAP);
    }
    content.invalidate();
}

void WizzardHCTypeSelectView::onTypeClicked(const quillon::AbstractButton& button)
{
    for (uint8_t type = 0; type < TYPE_COUNT; ++type) {
        if (&button == &buttons[type]) {
            chosenType = type;
            updateContent();
            return;
        }
    }
}

void WizzardHCTypeSelectView::onBottomBarButton(int index)
{
    switch (index) {
    case OK_BUTTON:
        // The screen goes only on the next frame, so the write is still made.
        if (pageManager != nullptr) {
            pageManager->back();
        }
        if (presenter != nullptr) {
            presenter->setType(chosenType);
        }
        break;
    default:
        GenericView::onBottomBarButton(index);
        break;
    }
}
