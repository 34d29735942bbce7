#ifndef GUICONTROLS_COMMONINFOPROVIDER_HPP
#define GUICONTROLS_COMMONINFOPROVIDER_HPP

#include "guicontrols/RecordFieldProvider.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a common_info record as the value of a list line.
class CommonInfoProvider : public RecordFieldProvider<common_info, DP_COMMON_INFO>
{
public:
    using RecordFieldProvider::RecordFieldProvider;

    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;
};
} // namespace guicontrols

#endif
