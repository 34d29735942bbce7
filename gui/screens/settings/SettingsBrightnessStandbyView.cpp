#include "gui/screens/settings/SettingsBrightnessStandbyView.hpp"

#include <quillon/TypedText.hpp>

const quillon::WideChar* SettingsBrightnessStandbyView::getHelpText()
{
    return quillon::TypedText(695).getText();
}
