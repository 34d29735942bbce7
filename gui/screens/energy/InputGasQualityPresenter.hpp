#ifndef GUI_SCREENS_ENERGY_INPUTGASQUALITYPRESENTER_HPP
#define GUI_SCREENS_ENERGY_INPUTGASQUALITYPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The calorific value and the gas correction factor as stored on entry; the device gets them
// only on OK. Later changes from the device are not shown.
class InputGasQualityPresenter : public BasePresenter
{
public:
    static constexpr uint16_t TEXT_UNITS = 20;

    explicit InputGasQualityPresenter(IView& view);
    ~InputGasQualityPresenter() override {}

    void activate() override;
    void deactivate() override { unwatch(); }
    bool hasDataChanged() override { return filterChanged(); }

    float getCalorificValue() const { return calorificValue; }
    void setCalorificValue(float value) { calorificValue = value; }
    float getCorrectionFactor() const { return correctionFactor; }
    void setCorrectionFactor(float value) { correctionFactor = value; }

    const quillon::WideChar* formatCalorificValue();
    const quillon::WideChar* formatCorrectionFactor();

    void storeCalorificValue();
    void storeCorrectionFactor();

private:
    float calorificValue;
    float correctionFactor;
    quillon::WideChar calorificText[TEXT_UNITS];
    quillon::WideChar correctionText[TEXT_UNITS];
};

#endif
