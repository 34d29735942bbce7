#include "gui/viewmodes/ServiceLonSubscriberCheckMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

namespace
{
const quillon::TextId CHECK_RUNNING = 862;
const quillon::TextId CHECK_NOT_OK = 863;
const quillon::TextId CHECK_OK = 864;
const int16_t LINE_HEIGHT = 40;
} // namespace

ServiceLonSubscriberCheckMode::ServiceLonSubscriberCheckMode(IView& owner, IResult& result)
    : modeOwner(&owner), checkResult(&result), state(2)
{
    titleField.setTextId(quillon::TypedText(1030)); // "LON subscriber check"
    labelField.setTextId(quillon::TypedText(1373)); // "Subscriber number"
    statusField.setTextId(quillon::TypedText(CHECK_RUNNING));
}

void ServiceLonSubscriberCheckMode::setText(const quillon::WideChar* subscriber)
{
    subscriberField.setText(ModeLayout::orEmpty(subscriber), ModeLayout::font(ModeLayout::BODY_FONT));
}

void ServiceLonSubscriberCheckMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void ServiceLonSubscriberCheckMode::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, infoFrame);
    const int16_t quarter = static_cast<int16_t>(area.getHeight() / 4);
    ModeLayout::placeLine(area, labelField, quarter, LINE_HEIGHT, ModeLayout::MIDDLE);
    ModeLayout::placeLine(area, subscriberField, static_cast<int16_t>(quarter + LINE_HEIGHT), LINE_HEIGHT,
                          ModeLayout::MIDDLE);
    ModeLayout::placeLine(area, statusField, static_cast<int16_t>(2 * quarter + LINE_HEIGHT), LINE_HEIGHT,
                          ModeLayout::MIDDLE);
    statusField.setTextId(quillon::TypedText(CHECK_RUNNING));
    area.add(infoFrame);
    area.add(labelField);
    area.add(subscriberField);
    area.add(statusField);
    counter.restart();
}

void ServiceLonSubscriberCheckMode::tick()
{
    if (state == 0) {
        if (counter.next(RESULT_PERIOD)) {
            statusField.setTextId(quillon::TypedText(checkResult->isCheckOk() ? CHECK_OK : CHECK_NOT_OK));
            statusField.invalidate();
        }
        if (counter.reached(CHECK_FRAMES)) {
            finish();
        }
    } else if (state == 1) {
        counter.next(0);
        if (counter.reached(DONE_FRAMES)) {
            finish();
        }
    }
}

void ServiceLonSubscriberCheckMode::finish()
{
    counter.restart();
    modeOwner->onViewModeFinished();
}
