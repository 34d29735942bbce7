#include "gui/popups/TestOperationPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupData.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/Palette.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const int16_t ICON_Y = 30;
const quillon::TextId TITLE = 1064;
const quillon::TextId MESSAGE = 1142;
const int16_t MESSAGE_Y = 160;
const quillon::TextId TEMPERATURE_LABEL = 1007;
const quillon::TextId DEGREES = 514;
const int16_t TEMPERATURE_Y = 245;
const quillon::BitmapId BURNER = 104;
const int16_t BURNER_Y = 200;
const quillon::TextId OFF_TEXT = 825;
const uint32_t MIDDLE = 1; // vertical alignment
} // namespace

TestOperationPopup::TestOperationPopup(uint16_t popupId)
    : Popup(popupId), temperatureText(), buttonCallback(this, &TestOperationPopup::buttonClicked)
{
    PopupLayout::placeIcon(icon, PopupLayout::SPANNER_ICON, ICON_Y);
    PopupLayout::placeText(titleText, TITLE, PopupLayout::TITLE_Y);
    PopupLayout::placeText(messageText, MESSAGE, MESSAGE_Y);
    const quillon::TypedText label(TEMPERATURE_LABEL);
    temperatureLine.setText(label.getText(), label.getFont());
    temperatureLine.setColor(guicontrols::Palette::entry(0));
    temperatureLine.setVerticalAlignment(MIDDLE);
    temperatureLine.setAlignment(quillon::CENTER);
    temperatureLine.setPosition(0, TEMPERATURE_Y, Popup::WIDTH, static_cast<int16_t>(temperatureLine.getTextHeight()));
    PopupLayout::placeIcon(burnerSymbol, BURNER, BURNER_Y);
    PopupLayout::setupButton(offButton, OFF_TEXT, buttonCallback);
    PopupLayout::placeButtonCentred(offButton, PopupLayout::BUTTON_Y);
    frame.setStyle(PopupLayout::ORANGE_FRAME);
    add(icon);
    add(titleText);
    add(messageText);
    add(burnerSymbol);
    add(temperatureLine);
    add(offButton);
}

void TestOperationPopup::update(PopupData& data)
{
    if (burnerSymbol.isVisible() != data.boilerSymbolOn) {
        burnerSymbol.setVisible(data.boilerSymbolOn);
        burnerSymbol.invalidate();
    }
    const quillon::TypedText label(TEMPERATURE_LABEL);
    if (data.temperatureStatus == 0) {
        quillon::WideString::snprintf(temperatureText, TEMPERATURE_CAPACITY, "%s %d%s", label.getText(),
                                      static_cast<int>(data.boilerTemperature),
                                      quillon::TypedText(DEGREES).getText());
    } else {
        quillon::WideString::snprintf(temperatureText, TEMPERATURE_CAPACITY, "%s ---", label.getText());
    }
    temperatureLine.setText(temperatureText, label.getFont());
    temperatureLine.invalidate();
}

void TestOperationPopup::buttonClicked(const quillon::AbstractButton&)
{
    // The rules see the test operation end and close the popup on the next GUI tick.
    model::DataModelManager::getInstance().getGroups().testOperation.request.setValue(0);
    ShellContext* context = ShellContext::running();
    if (context != nullptr) {
        pagemanager::PageManager& pageManager = *context->pageManager;
        Pages& pages = *context->pages;
        if (pageManager.findAnchorPage() == &pages.mainPage) {
            pageManager.backTo(true);
            pageManager.goTo(&pages.mainMenuPage, false);
        }
    }
    close();
}
