#include "gui/screens/wizard/WizzardTuningGasDHWPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId START_UP = 991;
const quillon::TextId BOILER = 947;
const quillon::TextId DHW = 1159;

const quillon::WideChar* text(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}
} // namespace

WizzardTuningGasDHWPresenter::WizzardTuningGasDHWPresenter(IView& view)
    : TuningPresenter(view), maxOutputText(), title()
{
}

void WizzardTuningGasDHWPresenter::activate()
{
    model::ParameterGroups& groups = getModel()->getGroups();
    // The view's solar control line reads the same table entry through the solar group.
    watch({&groups.dhw.circulationPumpPresent, &groups.dhw.destratificationPump, &groups.dhw.tuningValue262,
           &groups.dhw.separatorConnection, &groups.dhw.reheatingSuppression, &groups.dhw.setpoint,
           &groups.heating.burnerServiceInterval, &groups.heating.serviceIntervalMonths,
           &groups.testOperation.maximumThermalOutput});
    watchDevices();
}

uint8_t WizzardTuningGasDHWPresenter::getScope() const
{
    const Params::SystemScheme* scheme =
        pageManager != nullptr ? pageManager->getParam<Params::SystemScheme>(nullptr) : nullptr;
    return scheme != nullptr ? static_cast<uint8_t>(scheme->scheme & 0xFF) : SCOPE_NONE;
}

const quillon::WideChar* WizzardTuningGasDHWPresenter::getMaxOutputText()
{
    const int value = getModel() != nullptr ? getModel()->getGroups().testOperation.maximumThermalOutput.getValue() : 0;
    // "%%%%" leaves "%%" in the buffer, which the text drawing shows as one sign.
    helpers::formatWide(maxOutputText, MAX_OUTPUT_UNITS, "%d %%%%", value);
    return maxOutputText;
}

const quillon::WideChar* WizzardTuningGasDHWPresenter::getTitle()
{
    switch (getScope()) {
    case SCOPE_DHW:
        quillon::WideString::snprintf(title, TITLE_UNITS, "%s %s", text(START_UP), text(DHW));
        break;
    case SCOPE_BOILER:
        quillon::WideString::snprintf(title, TITLE_UNITS, "%s %s", text(START_UP), text(BOILER));
        break;
    case SCOPE_BOILER_DHW:
        quillon::WideString::snprintf(title, TITLE_UNITS, "%s %s/%s", text(START_UP), text(BOILER), text(DHW));
        break;
    default:
        title[0] = 0;
        break;
    }
    return title;
}
