#include "gui/screens/settings/SettingHeatingFactoryDefaultsSelectionView.hpp"

#include <quillon/TypedText.hpp>

const quillon::WideChar* SettingHeatingFactoryDefaultsSelectionView::getTitle()
{
    return quillon::TypedText(978).getText();
}

const quillon::WideChar* SettingHeatingFactoryDefaultsSelectionView::getHelpText()
{
    return quillon::TypedText(726).getText();
}
