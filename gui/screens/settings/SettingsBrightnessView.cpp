#include "gui/screens/settings/SettingsBrightnessView.hpp"

#include "gui/common/Functors.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

SettingsBrightnessView::SettingsBrightnessView(quillon::TextId feedback, int32_t maximum)
    : SettingsAcceptView<SettingsBrightnessPresenter>(&Functors::getInstance().plain),
      feedbackText(feedback),
      maximum(maximum),
      valueText()
{
}

void SettingsBrightnessView::setupContent(guicontrols::Content& area)
{
    backlightEdit.setXY(EDIT_X, EDIT_Y);
    // The top first: the spin box clamps the value it is given.
    backlightEdit.setMaximum(maximum);
    backlightEdit.setValue(presenter->getBrightness());
    area.add(backlightEdit);
}

void SettingsBrightnessView::onAccept()
{
    const int32_t value = backlightEdit.getValue();
    presenter->setBrightness(static_cast<uint8_t>(value));
    quillon::WideString::snprintf(valueText, VALUE_UNITS, "%d", static_cast<int>(value));
    // The feedback's end goes back, as the frame does by default.
    showFeedback(quillon::TypedText(feedbackText).getText(), valueText);
}
