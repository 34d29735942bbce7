#include "gui/screens/energy/InputGasQualityPresenter.hpp"

#include "helpers/WideFormat.hpp"
#include "model/DataModelManager.hpp"

InputGasQualityPresenter::InputGasQualityPresenter(IView& view)
    : BasePresenter(view), calorificValue(0.0f), correctionFactor(0.0f), calorificText(), correctionText()
{
}

void InputGasQualityPresenter::activate()
{
    model::GeneralGroup& general = getModel()->getGroups().general;
    watch({&general.gasQuality1, &general.gasQuality2});
    calorificValue = general.gasQuality1.getValue();
    correctionFactor = general.gasQuality2.getValue();
}

const quillon::WideChar* InputGasQualityPresenter::formatCalorificValue()
{
    helpers::formatWide(calorificText, TEXT_UNITS, "%.4f", static_cast<double>(calorificValue));
    return calorificText;
}

const quillon::WideChar* InputGasQualityPresenter::formatCorrectionFactor()
{
    helpers::formatWide(correctionText, TEXT_UNITS, "%.4f", static_cast<double>(correctionFactor));
    return correctionText;
}

void InputGasQualityPresenter::storeCalorificValue()
{
    getModel()->getGroups().general.gasQuality1.setValue(calorificValue);
}

void InputGasQualityPresenter::storeCorrectionFactor()
{
    getModel()->getGroups().general.gasQuality2.setValue(correctionFactor);
}
