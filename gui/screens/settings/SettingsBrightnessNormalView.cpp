#include "gui/screens/settings/SettingsBrightnessNormalView.hpp"

#include <quillon/TypedText.hpp>

const quillon::WideChar* SettingsBrightnessNormalView::getHelpText()
{
    return quillon::TypedText(694).getText();
}
