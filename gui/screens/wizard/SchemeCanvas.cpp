#include "gui/screens/wizard/SchemeCanvas.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/wizard/SchemeRules.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainPresenter.hpp"

namespace
{
const uint8_t ERROR_POPUP_LEVEL = 1;
const uint8_t WIDE_SCHEME = 10;
} // namespace

SchemeCanvas::SchemeCanvas(uint32_t mode) : scheme(mode, 0), shown(false), scrollShown(false) {}

bool SchemeCanvas::build(guicontrols::Content& area, const WizzardSystemSchemeMainPresenter& presenter,
                         pagemanager::PageManager* pageManager)
{
    area.reset();
    const uint8_t number = presenter.getScheme();
    if (number >= SchemeRules::FIRST_ERROR_SCHEME) {
        shown = false;
        scheme.setConfiguration(guicontrols::SystemScheme::Configuration());
        pagemanager::IPopupManager* popups = pageManager != nullptr ? pageManager->getPopupManager() : nullptr;
        if (popups != nullptr) {
            popups->show(ERROR_POPUP, ERROR_POPUP_LEVEL);
        }
        return false;
    }
    scheme.setXY(0, 0);
    guicontrols::SystemScheme::Configuration configuration;
    configuration.scheme = number;
    configuration.solarCode = presenter.getSolarDevice();
    configuration.secondCode = presenter.getCylinderDevice();
    configuration.boilerCode = presenter.getBoilerDevice();
    configuration.flag1 = presenter.hasExtraComponent() ? 1 : 0;
    configuration.flag2 = presenter.hasAddedCylinder() ? 1 : 0;
    for (uint8_t circuit = 0; circuit < WizzardSystemSchemeMainPresenter::CIRCUIT_COUNT; ++circuit) {
        configuration.circuitOptions[circuit] = presenter.getCircuitType(circuit);
    }
    scheme.setConfiguration(configuration);
    area.add(scheme);
    area.invalidate();
    shown = true;
    return true;
}

bool SchemeCanvas::isTooWide(bool solar) const
{
    return scheme.getScheme() >= WIDE_SCHEME && solar && scheme.getSecondFlag() != 0;
}

bool SchemeCanvas::setScrollButtons(guicontrols::BottomBar& bar, bool solar)
{
    scrollShown = isTooWide(solar);
    if (scrollShown) {
        bar.setButtonIcon(LEFT_BUTTON, LEFT_ICON);
        bar.setButtonIcon(RIGHT_BUTTON, RIGHT_ICON);
    } else {
        bar.clearButton(LEFT_BUTTON);
        bar.clearButton(RIGHT_BUTTON);
    }
    return scrollShown;
}

bool SchemeCanvas::updateScrollButtons(guicontrols::BottomBar& bar, bool solar)
{
    if (isTooWide(solar) != scrollShown) {
        setScrollButtons(bar, solar);
        bar.invalidate();
    }
    return scrollShown;
}

bool SchemeCanvas::onScrollButton(guicontrols::Content& area, int index)
{
    if (index == LEFT_BUTTON) {
        scrollTo(area, 0);
        return true;
    }
    if (index == RIGHT_BUTTON) {
        scrollTo(area, RIGHT_END_X);
        return true;
    }
    return false;
}

void SchemeCanvas::scrollTo(guicontrols::Content& area, int16_t x)
{
    scheme.setX(x);
    area.invalidate();
}
