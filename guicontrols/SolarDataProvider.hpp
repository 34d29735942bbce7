#ifndef GUICONTROLS_SOLARDATAPROVIDER_HPP
#define GUICONTROLS_SOLARDATAPROVIDER_HPP

#include "guicontrols/RecordFieldProvider.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a solar_info record as the value of a list line.
class SolarDataProvider : public RecordFieldProvider<solar_info, DP_SOLAR_INFO>
{
public:
    using RecordFieldProvider::RecordFieldProvider;

    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;
};
} // namespace guicontrols

#endif
