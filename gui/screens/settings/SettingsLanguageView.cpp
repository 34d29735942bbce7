#include "gui/screens/settings/SettingsLanguageView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Frame.hpp"

#include <quillon/TypedText.hpp>

SettingsLanguageView::SettingsLanguageView()
    : SettingsAcceptView<SettingsLanguagePresenter>(&Functors::getInstance().plain),
      tileCallback(this, &SettingsLanguageView::onTileClicked)
{
}

const quillon::WideChar* SettingsLanguageView::getHelpText()
{
    return quillon::TypedText(770).getText();
}

void SettingsLanguageView::setupContent(guicontrols::Content& area)
{
    const SettingsLanguagePresenter::Language* languages = presenter->getLanguages();
    const quillon::LanguageId current = presenter->getCurrentLanguage();
    for (uint32_t row = 0; row < SettingsLanguagePresenter::LANGUAGE_COUNT; ++row) {
        tiles[row].setIcon(quillon::Bitmap(languages[row].flag));
        tiles[row].setText(quillon::TypedText(static_cast<quillon::TextId>(languages[row].nameText)).getText());
        tiles[row].setChecked(languages[row].id == current);
        tiles[row].setAction(tileCallback);
    }
    // Rows 6..9 land on a second page; the content grows to two display widths.
    guicontrols::Frame::placeTiles(area, tiles, SettingsLanguagePresenter::LANGUAGE_COUNT, 0);
}

void SettingsLanguageView::setupBottomBar(guicontrols::BottomBar& bar)
{
    SettingsAcceptView<SettingsLanguagePresenter>::setupBottomBar(bar);
    // The icon points to the page not shown.
    bar.setButtonIcon(PAGE_BUTTON, content.getX() < 0 ? FIRST_PAGE_ICON : NEXT_PAGE_ICON);
}

void SettingsLanguageView::onBottomBarButton(int index)
{
    if (index == PAGE_BUTTON) {
        switchPage();
    } else {
        SettingsAcceptView<SettingsLanguagePresenter>::onBottomBarButton(index);
    }
}

void SettingsLanguageView::onAccept()
{
    const SettingsLanguagePresenter::Language* languages = presenter->getLanguages();
    for (uint32_t row = 0; row < SettingsLanguagePresenter::LANGUAGE_COUNT; ++row) {
        if (tiles[row].isChecked()) {
            // The language in use too: choosing it stores it again.
            presenter->setLanguage(languages[row].id);
            break;
        }
    }
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void SettingsLanguageView::switchPage()
{
    bottomBar.clearButton(PAGE_BUTTON);
    const bool secondShown = content.getX() < 0;
    content.setX(secondShown ? 0 : SECOND_PAGE_X);
    bottomBar.setButtonIcon(PAGE_BUTTON, secondShown ? NEXT_PAGE_ICON : FIRST_PAGE_ICON);
    content.invalidate();
}

void SettingsLanguageView::onTileClicked(const quillon::AbstractButton& tile)
{
    for (uint32_t row = 0; row < SettingsLanguagePresenter::LANGUAGE_COUNT; ++row) {
        tiles[row].setChecked(&tiles[row] == &tile);
        tiles[row].invalidate();
    }
}
