#ifndef GUICONTROLS_DATECONTENTPROVIDER_HPP
#define GUICONTROLS_DATECONTENTPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "helpers/DateTime.hpp"
#include "model/DataPoint.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// A date or time as a list value. Kinds: 0 the data point's date (with its weekday; the
// device's 1970-01-01 00:00:00 means unset), 1 its time, 2 the panel's time, 3 its date,
// 4 its date and time.
class DateContentProvider : public ITextContentProvider
{
public:
    using DataPointType = model::DataPoint<date_time, DP_DATE_TIME>;
    static const uint16_t BUFFER_SIZE = 50;

    DateContentProvider();
    DateContentProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);
    // Keeps the last text: kinds 0 and 1 show it while there is no data point.
    void set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);

    const quillon::WideChar* getText(uint32_t index) override;
    const quillon::WideChar* getSecondText(uint32_t index) override;

private:
    void formatWeekdayAndDate(const helpers::DateTime& moment);

    DataPointType* dataPoint;
    const quillon::WideChar* label;
    uint32_t kind;
    quillon::WideChar textBuffer[BUFFER_SIZE];
    uint8_t bullet;
    quillon::WideChar bulletBuffer[BUFFER_SIZE];
};
} // namespace guicontrols

#endif
