#ifndef GUICONTROLS_HCPUMPPROVIDER_HPP
#define GUICONTROLS_HCPUMPPROVIDER_HPP

#include "guicontrols/RecordFieldProvider.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a hc_pump record as the value of a list line.
class HCPumpProvider : public RecordFieldProvider<hc_pump, DP_HC_PUMP>
{
public:
    using RecordFieldProvider::RecordFieldProvider;

    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;
};
} // namespace guicontrols

#endif
