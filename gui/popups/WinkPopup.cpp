#include "gui/popups/WinkPopup.hpp"

#include "gui/popups/PopupData.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId CHECK_TEXT = 1140;
const int16_t CHECK_Y = 95;
const quillon::TextId SUBSCRIBER_TEXT = 1139;
const int16_t SUBSCRIBER_Y = 140;
const quillon::TextId WINK_TEXT = 1575;
const int16_t WINK_Y = 215;
const quillon::TextId OK_TEXT = 1573;
const int DECIMAL = 10;

void placeLine(quillon::TextArea& line, quillon::TextId text, int16_t y)
{
    line.setTextId(quillon::TypedText(text));
    line.setColor(guicontrols::Palette::entry(0));
    line.setPosition(0, y, Popup::WIDTH, 0);
    line.setHeight(line.getTextHeight());
}
} // namespace

WinkPopup::WinkPopup(uint16_t popupId)
    : Popup(popupId),
      subscriberText(),
      tickCount(0),
      buttonCallback(this, &WinkPopup::buttonClicked),
      timer(*this)
{
    placeLine(checkText, CHECK_TEXT, CHECK_Y);
    subscriberLine.setWildcard(subscriberText);
    placeLine(subscriberLine, SUBSCRIBER_TEXT, SUBSCRIBER_Y);
    placeLine(winkText, WINK_TEXT, WINK_Y);
    PopupLayout::setupButton(okButton, OK_TEXT, buttonCallback);
    PopupLayout::placeButtonCentred(okButton, PopupLayout::BUTTON_Y);
    frame.setStyle(PopupLayout::GREY_FRAME);
    add(checkText);
    add(subscriberLine);
    add(winkText);
    add(okButton);
}

void WinkPopup::bind(PopupData& data)
{
    quillon::WideString::itoa(data.winkSubscriber, subscriberText, SUBSCRIBER_CAPACITY, DECIMAL);
    timer.start();
}

void WinkPopup::update(PopupData& data)
{
    quillon::WideString::itoa(data.winkSubscriber, subscriberText, SUBSCRIBER_CAPACITY, DECIMAL);
    subscriberLine.invalidate();
}

void WinkPopup::onTick()
{
    if (tickCount > LAST_TICK) {
        finish();
    }
    ++tickCount;
}

void WinkPopup::buttonClicked(const quillon::AbstractButton&)
{
    finish();
}

void WinkPopup::finish()
{
    timer.stop();
    tickCount = 0;
    // The wink rule raises it again while the boiler still asks.
    popupManager->close(popupId);
}
