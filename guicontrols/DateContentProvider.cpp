#include "guicontrols/DateContentProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"
#include "helpers/BoardWrappers.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
using quillon::WideChar;
namespace texts = providertexts;

namespace
{
// Short weekday names, Sunday first.
const quillon::TextId WEEKDAYS[7] = {1225, 1218, 1231, 1216, 1235, 1228, 1222};
const uint16_t DATE_SIZE = 11; // DD.MM.YYYY
const uint16_t TIME_SIZE = 6;  // HH:MM

helpers::DateTime panelClock()
{
    helpers::DateTime now; // stays at its default when the clock cannot be read
    static_cast<void>(helpers::readRtc(now));
    return now;
}
} // namespace

DateContentProvider::DateContentProvider()
    : dataPoint(nullptr), label(nullptr), kind(0), textBuffer{}, bullet(0), bulletBuffer{}
{
}

DateContentProvider::DateContentProvider(DataPointType* dataPoint, const WideChar* label, uint32_t kind,
                                         uint8_t bullet)
    : DateContentProvider()
{
    set(dataPoint, label, kind, bullet);
}

void DateContentProvider::set(DataPointType* newDataPoint, const WideChar* newLabel, uint32_t newKind,
                              uint8_t newBullet)
{
    dataPoint = newDataPoint;
    label = newLabel;
    kind = newKind;
    bullet = newBullet;
}

const WideChar* DateContentProvider::getText(uint32_t)
{
    return texts::label(bullet != 0, bulletBuffer, BUFFER_SIZE, label);
}

void DateContentProvider::formatWeekdayAndDate(const helpers::DateTime& moment)
{
    WideChar date[DATE_SIZE];
    moment.formatDate(date, DATE_SIZE, true);
    quillon::WideString::snprintf(textBuffer, BUFFER_SIZE, "%s %s", texts::text(WEEKDAYS[moment.getWeekday()]), date);
}

const WideChar* DateContentProvider::getSecondText(uint32_t)
{
    switch (kind) {
    case 0:
        if (dataPoint != nullptr) {
            const helpers::DateTime moment(dataPoint->getValue());
            if (moment.getTimestamp() == 0) {
                quillon::WideString::snprintf(textBuffer, BUFFER_SIZE, "%s", texts::dashes());
            } else {
                formatWeekdayAndDate(moment);
            }
        }
        break;
    case 1:
        if (dataPoint != nullptr) {
            helpers::DateTime(dataPoint->getValue()).getTime().format(textBuffer, BUFFER_SIZE);
        }
        break;
    case 2:
        panelClock().getTime().format(textBuffer, BUFFER_SIZE);
        break;
    case 3:
        formatWeekdayAndDate(panelClock());
        break;
    case 4: {
        const helpers::DateTime now = panelClock();
        WideChar date[DATE_SIZE];
        WideChar time[TIME_SIZE];
        now.formatDate(date, DATE_SIZE, true);
        now.getTime().format(time, TIME_SIZE);
        quillon::WideString::snprintf(textBuffer, BUFFER_SIZE, "%s %s", date, time);
        break;
    }
    default:
        quillon::WideString::snprintf(textBuffer, BUFFER_SIZE, "29.03.1983");
        break;
    }
    return textBuffer;
}
} // namespace guicontrols
