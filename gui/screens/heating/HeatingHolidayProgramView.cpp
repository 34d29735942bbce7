#include "gui/screens/heating/HeatingHolidayProgramView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 938;   // "Holiday program"
const quillon::TextId TEXT_HELP = 720;
const quillon::TextId TEXT_DELETED = 1455; // "Holiday program has been deleted"
const quillon::TextId TEXT_ADOPTED = 1185; // "%s to %s adopted"

// The texts' wildcards are "%s" of a UTF-16 text, which the formatter reads as 8-bit: they
// are filled here, in order, and the result cut to the buffer.
void fillWildcards(quillon::WideChar* out, uint16_t units, const quillon::WideChar* format,
                   const quillon::WideChar* first, const quillon::WideChar* second)
{
    const quillon::WideChar* arguments[] = {first, second};
    uint16_t used = 0;
    uint32_t next = 0;
    for (const quillon::WideChar* c = format; *c != 0 && used + 1 < units; ++c) {
        if (c[0] == '%' && c[1] == 's' && next < 2) {
            for (const quillon::WideChar* a = arguments[next++]; *a != 0 && used + 1 < units; ++a) {
                out[used++] = *a;
            }
            ++c;
        } else {
            out[used++] = *c;
        }
    }
    out[used] = 0;
}

helpers::DateTime atMidnight(helpers::DateTime date)
{
    date.setTime(0, 0, 0);
    return date;
}
} // namespace

HeatingHolidayProgramView::HeatingHolidayProgramView()
    : BaseView<HeatingHolidayProgramPresenter>(&Functors::getInstance().heating),
      departure(0),
      back(0),
      now(0),
      message()
{
}

quillon::TextId HeatingHolidayProgramView::getTitleText()
{
    return TEXT_TITLE;
}

const quillon::WideChar* HeatingHolidayProgramView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void HeatingHolidayProgramView::setupContent(guicontrols::Content& area)
{
    editor.setXY(0, 0);
    departure = atMidnight(presenter->getStart());
    back = atMidnight(presenter->getEnd());
    now = presenter->getCurrentDateTime();
    // Nothing stored (1970, or the zeros before the device answered) reads as one day.
    if (departure == back) {
        editor.setDates(now, now, now);
    } else {
        editor.setDates(departure, now, back);
    }
    area.add(editor);
}

void HeatingHolidayProgramView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(CONFIRM_BUTTON, CONFIRM_ICON);
}

void HeatingHolidayProgramView::onBottomBarButton(int index)
{
    if (index == CONFIRM_BUTTON) {
        confirm();
        return;
    }
    GenericView::onBottomBarButton(index);
}

void HeatingHolidayProgramView::confirm()
{
    departure = atMidnight(editor.getDepartureDate());
    back = atMidnight(editor.getReturnDate());
    if (departure == back) {
        quillon::WideString::strncpy(message, quillon::TypedText(TEXT_DELETED).getText(), MESSAGE_UNITS - 1);
        message[MESSAGE_UNITS - 1] = 0;
        const helpers::DateTime none(0);
        presenter->setProgram(none, none);
    } else {
        // From the end of the departure day to the start of the return day.
        departure.setTime(23, 59, 59);
        presenter->setProgram(departure, back);
        quillon::WideChar from[DATE_UNITS] = {};
        quillon::WideChar to[DATE_UNITS] = {};
        departure.formatDate(from, DATE_UNITS, true);
        back.formatDate(to, DATE_UNITS, true);
        fillWildcards(message, MESSAGE_UNITS, quillon::TypedText(TEXT_ADOPTED).getText(), from, to);
    }
    showFeedback(message); // goes back when it closes
}
