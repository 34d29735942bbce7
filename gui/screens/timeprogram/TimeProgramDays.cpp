#include "gui/screens/timeprogram/TimeProgramDays.hpp"

#include "helpers/WideFormat.hpp"

namespace
{
const quillon::TextId SHORT_NAMES[TimeProgramStore::DAYS] = {1218, 1231, 1216, 1235, 1228, 1222, 1225};
const quillon::TextId LONG_NAMES[TimeProgramStore::DAYS] = {1215, 1232, 1217, 1236, 1229, 1223, 1226};
const quillon::TextId TIME_PROGRAM_FOR = 1190;
} // namespace

quillon::TextId TimeProgramDays::shortName(uint8_t day)
{
    return SHORT_NAMES[TimeProgramStore::safeDay(day)];
}

quillon::TextId TimeProgramDays::longName(uint8_t day)
{
    return LONG_NAMES[TimeProgramStore::safeDay(day)];
}

void TimeProgramDays::formatTitle(quillon::WideChar (&title)[TITLE_UNITS], uint8_t day)
{
    helpers::formatWide(title, TITLE_UNITS, "%ls %ls", quillon::TypedText(TIME_PROGRAM_FOR).getText(),
                        quillon::TypedText(longName(day)).getText());
}
