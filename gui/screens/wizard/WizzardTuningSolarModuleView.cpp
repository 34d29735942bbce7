#include "gui/screens/wizard/WizzardTuningSolarModuleView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/common/WideLiteral.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "model/devices/DeviceIds.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const uint8_t PLAIN = 0;
const uint32_t SOLAR_CONTROL_KIND = 15;
const quillon::TextId START_UP = 991;
const quillon::TextId SOLAR_MODULE = 1567;
const quillon::TextId NOTICE_TITLE = 1568;
const quillon::TextId NOTICE_TEXT = 852;

const quillon::WideChar* text(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}
} // namespace

WizzardTuningSolarModuleView::WizzardTuningSolarModuleView()
    : BaseView<WizzardTuningSolarModulePresenter>(&Functors::getInstance().plain),
      lineCallback(this, &WizzardTuningSolarModuleView::onButtonClicked),
      noticeMode(*this),
      title(),
      notice(false)
{
    quillon::WideString::snprintf(title, TITLE_UNITS, "%s %s", text(START_UP), text(SOLAR_MODULE));
    for (guicontrols::LongButton& line : lines) {
        line.setAction(lineCallback);
    }
}

void WizzardTuningSolarModuleView::beforeSetupScreen()
{
    model::ParameterGroups& groups = presenter->groups();
    pumpType.set(&groups.solar.pumpType, text(1098), text(1018), text(1494), 0, PLAIN);
    stagnation.set(&groups.solar.stagnationTimeReduction, text(1119), wide(u"%d K"), 1.0f, PLAIN, 0, 0);
    solarControl.set(&groups.solar.destratificationPump, SOLAR_CONTROL_KIND, PLAIN);
    absorberSurface.set(&groups.idSolar.absorberSurface, text(805), wide(u"%.2f m²"), 1.0f, PLAIN, 0, 0);
    cylinderMaximum.set(&groups.solar.cylinderMaximumTemperature, text(1106), wide(u"%d°C"), 1.0f, PLAIN, 0, 0);

    lines[PUMP_TYPE].setText(pumpType.getText(0));
    lines[CALIBRATION].setText(quillon::TypedText(1003));
    lines[STAGNATION].setText(stagnation.getText(0));
    lines[SOLAR_CONTROL].setText(solarControl.getText(0));
    lines[ABSORBER_SURFACE].setText(absorberSurface.getText(0));
    lines[CYLINDER_MAXIMUM].setText(cylinderMaximum.getText(0));
}

void WizzardTuningSolarModuleView::setupContent(guicontrols::Content& area)
{
    // Chosen once: the notice stays for the life of the screen.
    notice = presenter->isAvailable(DEVICE_HELIORA_1) || presenter->isAvailable(DEVICE_HELIORA_2);
    if (notice) {
        noticeMode.setup(text(NOTICE_TITLE), text(NOTICE_TEXT));
        setViewMode(&noticeMode);
        return;
    }
    list.setUp(area);
    updateList();
}

void WizzardTuningSolarModuleView::refresh()
{
    if (!notice && presenter->hasDataChanged()) {
        updateList();
    }
}

void WizzardTuningSolarModuleView::onViewModeFinished()
{
    if (currentViewMode != &noticeMode) {
        GenericView::onViewModeFinished();
        return;
    }
    if (pageManager != nullptr) {
        pageManager->back(); // to the system scheme
    }
}

void WizzardTuningSolarModuleView::updateList()
{
    // The PWM pump is the one that can be calibrated and needs the absorber surface.
    const bool calibratable = presenter->isAvailable(DEVICE_SOLAR_PUMP_CALIBRATION);
    list.begin();
    list.add(lines[PUMP_TYPE], pumpType);
    if (calibratable) {
        list.add(lines[CALIBRATION]);
    }
    list.add(lines[STAGNATION], stagnation);
    if (presenter->isAvailable(DEVICE_ZR6_B)) {
        list.add(lines[SOLAR_CONTROL], solarControl);
    }
    if (calibratable) {
        list.add(lines[ABSORBER_SURFACE], absorberSurface);
    }
    list.add(lines[CYLINDER_MAXIMUM], cylinderMaximum);
    list.end();
}

void WizzardTuningSolarModuleView::onButtonClicked(const quillon::AbstractButton& button)
{
    Pages* pages = ShellPages::find();
    if (pageManager == nullptr || pages == nullptr) {
        return;
    }
    if (&button == &lines[PUMP_TYPE]) {
        pageManager->setParam(Params::TileChoice{PUMP_TYPE_CHOICE});
        pageManager->goTo(&pages->tileSelectorPage, false);
    } else if (&button == &lines[CALIBRATION]) {
        // Needs the service level: the page manager asks for the password when it lacks.
        pageManager->goTo(&pages->solarPumpCalibrationPage, false);
    } else if (&button == &lines[ABSORBER_SURFACE]) {
        pageManager->goTo(&pages->wizardAbsorberSurfacePage, false);
    }
}
