#ifndef GUICONTROLS_ENERGYBARSCALE_HPP
#define GUICONTROLS_ENERGYBARSCALE_HPP

#include <quillon/containers/Container.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

namespace guicontrols
{
// The three numbers beside a histogram's bars: maximum, half and zero, each followed by a
// tick, right-aligned in the scale's width.
class EnergyBarScale : public quillon::Container
{
public:
    static const uint16_t NUMBER_SIZE = 8;

    EnergyBarScale();
    ~EnergyBarScale() override {}

    // Writes and places the numbers (the half truncated) and redraws the scale.
    void setMaximum(uint32_t maximum);
    uint32_t getMaximum() const { return maximum; }
    const quillon::WideChar* getNumber(uint8_t index) const { return numbers[index]; }
    const quillon::TextAreaWithOneWildcard& getLabel(uint8_t index) const { return *labels[index]; }

private:
    uint32_t maximum;
    quillon::TextAreaWithOneWildcard top;
    quillon::TextAreaWithOneWildcard middle;
    quillon::TextAreaWithOneWildcard bottom;
    quillon::WideChar numbers[3][NUMBER_SIZE];
    quillon::TextAreaWithOneWildcard* const labels[3];
};
} // namespace guicontrols

#endif
