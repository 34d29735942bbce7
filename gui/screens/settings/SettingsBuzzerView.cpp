#include "gui/screens/settings/SettingsBuzzerView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_ON = 902;
const quillon::TextId TEXT_OFF = 825;
const quillon::TextId TEXT_HELP = 779;
} // namespace

SettingsBuzzerView::SettingsBuzzerView() : SettingsAcceptView<SettingsBuzzerPresenter>(&Functors::getInstance().plain), tileSelector(2)
{
}

const quillon::WideChar* SettingsBuzzerView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void SettingsBuzzerView::setupContent(guicontrols::Content& area)
{
    tileSelector.setTile(ON_TILE, quillon::TypedText(TEXT_ON), quillon::Bitmap(quillon::BITMAP_NONE));
    tileSelector.setTile(OFF_TILE, quillon::TypedText(TEXT_OFF), quillon::Bitmap(quillon::BITMAP_NONE));
    tileSelector.setSelectedTile(presenter->isBuzzerOn() ? ON_TILE : OFF_TILE);
    tileSelector.layoutIn(area);
}

void SettingsBuzzerView::onAccept()
{
    presenter->setBuzzerOn(tileSelector.getSelectedTile() == ON_TILE);
    if (pageManager != nullptr) {
        pageManager->back();
    }
}
