#ifndef GUICONTROLS_HCVARIABLEPROVIDER_HPP
#define GUICONTROLS_HCVARIABLEPROVIDER_HPP

#include "guicontrols/RecordFieldProvider.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a heating_info record as the value of a list line.
class HCVariableProvider : public RecordFieldProvider<heating_info, DP_HEATING_INFO>
{
public:
    using RecordFieldProvider::RecordFieldProvider;

    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;
};
} // namespace guicontrols

#endif
