#include "gui/screens/energy/InputGasMeterReadingPresenter.hpp"

#include "helpers/DateTime.hpp"
#include "helpers/WideFormat.hpp"
#include "model/DataModelManager.hpp"

InputGasMeterReadingPresenter::InputGasMeterReadingPresenter(IView& view)
    : BasePresenter(view), readings(), counterSnapshots(), counter(0), dates(), state(NO_READING), valueTexts(),
      labelTexts()
{
}

void InputGasMeterReadingPresenter::activate()
{
    model::GeneralGroup& general = getModel()->getGroups().general;
    watch({&general.gasMeter230, &general.gasMeter233, &general.gasMeter229, &general.gasMeter232,
           &general.gasMeter231, &general.gasMeter234, &general.gasMeter237});
    loadReadings();
    loadDates();
    updateState();
}

void InputGasMeterReadingPresenter::loadReadings()
{
    model::GeneralGroup& general = getModel()->getGroups().general;
    readings[0] = general.gasMeter230.getValue();
    readings[1] = general.gasMeter233.getValue();
    counterSnapshots[0] = general.gasMeter231.getValue();
    counterSnapshots[1] = general.gasMeter234.getValue();
    counter = general.gasMeter237.getValue();
}

void InputGasMeterReadingPresenter::loadDates()
{
    model::GeneralGroup& general = getModel()->getGroups().general;
    dates[0] = general.gasMeter229.getValue();
    dates[1] = general.gasMeter232.getValue();
}

void InputGasMeterReadingPresenter::updateState()
{
    if (readings[0] == 0) {
        state = NO_READING;
    } else {
        state = readings[1] != 0 ? BOTH_READINGS : FIRST_READING;
    }
}

const quillon::WideChar* InputGasMeterReadingPresenter::formatReading(uint8_t index)
{
    quillon::WideChar* text = valueTexts[slot(index)];
    helpers::formatWide(text, TEXT_UNITS, "%u", static_cast<unsigned int>(getReading(index)));
    return text;
}

const quillon::WideChar* InputGasMeterReadingPresenter::formatLabel(uint8_t index, bool withoutDate)
{
    quillon::WideChar* text = labelTexts[slot(index)];
    const uint16_t length = helpers::formatWide(text, TEXT_UNITS, "%d.   ", static_cast<int>(slot(index) + 1));
    if (!withoutDate && length < TEXT_UNITS) {
        helpers::DateTime(getDate(index)).formatDate(text + length, static_cast<uint16_t>(TEXT_UNITS - length), true);
    }
    return text;
}

void InputGasMeterReadingPresenter::storeReadings()
{
    model::GeneralGroup& general = getModel()->getGroups().general;
    general.gasMeter233.setValue(readings[1]);
    general.gasMeter230.setValue(readings[0]);
    general.gasMeter234.setValue(counterSnapshots[1]);
    general.gasMeter231.setValue(counterSnapshots[0]);
}

void InputGasMeterReadingPresenter::storeDates()
{
    model::GeneralGroup& general = getModel()->getGroups().general;
    general.gasMeter232.setValue(dates[1]);
    general.gasMeter229.setValue(dates[0]);
}
