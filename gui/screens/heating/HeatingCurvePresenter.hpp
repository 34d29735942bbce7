#ifndef GUI_SCREENS_HEATING_HEATINGCURVEPRESENTER_HPP
#define GUI_SCREENS_HEATING_HEATINGCURVEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "model/DataPoint.hpp"

#include <stdint.h>

// Slope and level of one circuit's heating curve, and its room setpoint that the curve
// starts from.
class HeatingCurvePresenter : public BasePresenter
{
public:
    explicit HeatingCurvePresenter(IView& view);
    ~HeatingCurvePresenter() override {}

    void activate() override;
    void deactivate() override;

    virtual model::DataPoint<float, DP_SCALED_U8>& getSlopePoint();
    virtual model::DataPoint<signed char, DP_S8>& getLevelPoint();

    float getSlope();
    void setSlope(float slope);
    int8_t getLevel();
    void setLevel(int8_t level);
    float getSlopeMin() const { return slopeMinimum; }
    float getSlopeMax() const { return slopeMaximum; }
    int getLevelMin() const { return levelMinimum; }
    int getLevelMax() const { return levelMaximum; }
    uint16_t getRoomSetpoint();
    uint16_t getCircuit() const { return circuit; }

private:
    uint16_t circuit;
    int levelMinimum;
    int levelMaximum;
    float slopeMinimum;
    float slopeMaximum;
};

#endif
