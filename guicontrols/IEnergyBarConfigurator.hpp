#ifndef GUICONTROLS_IENERGYBARCONFIGURATOR_HPP
#define GUICONTROLS_IENERGYBARCONFIGURATOR_HPP

namespace guicontrols
{
class EnergyBar;

// Styles one bar of a histogram: segment count (before the segment colours), column and
// segment colours, unit divisor. Every bar gets the same count and divisor: the histogram
// takes both from its first bar. Values and labels are the histogram's.
class IEnergyBarConfigurator
{
public:
    virtual void configure(EnergyBar& bar) = 0;
    virtual ~IEnergyBarConfigurator() {}
};
} // namespace guicontrols

#endif
