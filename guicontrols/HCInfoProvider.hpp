#ifndef GUICONTROLS_HCINFOPROVIDER_HPP
#define GUICONTROLS_HCINFOPROVIDER_HPP

#include "guicontrols/RecordFieldProvider.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a hc_info record as the value of a list line.
class HCInfoProvider : public RecordFieldProvider<hc_info, DP_HC_INFO>
{
public:
    using RecordFieldProvider::RecordFieldProvider;

    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;
};
} // namespace guicontrols

#endif
