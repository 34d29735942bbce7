#include "gui/screens/favourites/FavouritesMainView.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/Frame.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>
#include <quillon/hal/HAL.hpp>

using quillon::TypedText;
using quillon::WideChar;
using quillon::WideString;

namespace
{
const quillon::TextId TEXT_FAVOURITES = 935; // "Favorites"
const quillon::TextId TEXT_HELP = 717;
const quillon::BitmapId ICON_RIGHT_ARROW = 211;
const quillon::BitmapId ICON_LEFT_ARROW = 209;
const uint16_t TILE_Y_SHIFT = 8;
const int16_t INDICATOR_BOTTOM_GAP = 8;
const uint8_t TILES_PER_PAGE = 6;

int16_t displayWidth()
{
    return static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH);
}

// Appends 8-bit characters after the text already in the buffer, keeping its terminator.
void append(WideChar* buffer, uint16_t capacity, const char* suffix)
{
    uint16_t used = WideString::strlen(buffer);
    for (; suffix[0] != 0 && used + 1 < capacity; ++suffix) {
        buffer[used++] = WideString::fromLatin1(suffix[0]);
    }
    buffer[used] = 0;
}
} // namespace

uint8_t FavouritesMainView::shownPage = 0;

FavouritesMainView::FavouritesMainView()
    : BaseView<FavouritesMainPresenter>(nullptr),
      topBarCallback(this, &FavouritesMainView::onTopBarButton),
      tileCount(0),
      pageCount(1),
      captionBuffers(),
      titleBuffer(),
      tileCallback(this, &FavouritesMainView::onTileClicked)
{
    shownPage = 0;
}

const WideChar* FavouritesMainView::getHelpText()
{
    return TypedText(TEXT_HELP).getText();
}

void FavouritesMainView::setupTopBar(guicontrols::TopBar& bar)
{
    mainTopBar.setXY(0, 0);
    mainTopBar.setButtonCallback(topBarCallback);
    mainTopBar.setCenterButtonVisible(false);
    updateTitle();
    bar.add(mainTopBar);
}

void FavouritesMainView::updateTitle()
{
    WideString::strncpy(titleBuffer, TypedText(TEXT_FAVOURITES).getText(), TITLE_UNITS);
    titleBuffer[TITLE_UNITS - 1] = 0;
    append(titleBuffer, TITLE_UNITS, shownPage == 0 ? " 1" : " 2");
    mainTopBar.setTitle(titleBuffer);
    mainTopBar.invalidate();
}

void FavouritesMainView::showCaption(uint8_t slot, const TileItem& item)
{
    const WideChar* caption = TypedText(static_cast<quillon::TextId>(item.textId & 0xFFFF)).getText();
    if (item.suffix == nullptr) {
        tiles[slot].setText(caption);
        return;
    }
    // The caption may fill the buffer: the suffix gets what is left, the terminator always stays.
    WideChar* buffer = captionBuffers[slot];
    WideString::strncpy(buffer, caption, CAPTION_UNITS);
    buffer[CAPTION_UNITS - 1] = 0;
    append(buffer, CAPTION_UNITS, item.suffix);
    tiles[slot].setText(buffer);
}

void FavouritesMainView::setupContent(guicontrols::Content& area)
{
    const pagemanager::Page* page = pageManager != nullptr ? pageManager->getCurrentPage() : nullptr;
    const TileList* list = page != nullptr ? page->getPointer<const TileList>() : nullptr;
    if (list == nullptr || list->tiles == nullptr) {
        return;
    }
    tileCount = 0;
    pageCount = 1;
    // Twelve tiles fill both pages; a longer list shows its first twelve shown items.
    for (uint16_t i = 0; i < list->tileCount && tileCount < MAX_TILES; ++i) {
        const TileItem& item = list->tiles[i];
        const bool shown = item.alwaysShown != 0 || (item.protector != nullptr && item.protector->isAvailable() &&
                                                     presenter->isFavourite(static_cast<uint8_t>(i < 32 ? i : 32)));
        if (!shown) {
            continue;
        }
        FavouriteButton& tile = tiles[tileCount];
        tile.setIcon(quillon::Bitmap(static_cast<quillon::BitmapId>(item.bitmapId)));
        tile.setItem(&item);
        tile.setAction(tileCallback);
        showCaption(tileCount, item);
        ++tileCount;
        pageCount = tileCount <= TILES_PER_PAGE ? 1 : 2;
    }

    area.reset();
    guicontrols::Frame::placeTiles(area, tiles, tileCount, TILE_Y_SHIFT);

    pageIndicator.setNumberOfPages(presenter->getNumberOfPages());
    pageIndicator.setAnchor(static_cast<int16_t>(displayWidth() / 2),
                            static_cast<int16_t>(area.getHeight() - pageIndicator.getHeight() - INDICATOR_BOTTOM_GAP));
    pageIndicator.setCurrentPage(presenter->getPageIndex());
    area.add(pageIndicator);

    // Coming leftwards from the home screen, or rebuilt while the second page showed.
    const bool openLast = presenter->takeOpenLastPage();
    if ((openLast || shownPage == 1) && pageCount >= 2) {
        shownPage = 0;
        onBottomBarButton(RIGHT_ARROW_BUTTON);
    }
    area.invalidate();
}

void FavouritesMainView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(BACK_BUTTON);
    bar.setButtonIcon(RIGHT_ARROW_BUTTON, ICON_RIGHT_ARROW);
    bar.setButtonIcon(LEFT_ARROW_BUTTON, ICON_LEFT_ARROW);
    bar.invalidate();
}

void FavouritesMainView::onBottomBarButton(int index)
{
    if (index == LEFT_ARROW_BUTTON && shownPage == 0) {
        ShellContext* context = ShellContext::running();
        if (pageManager != nullptr && context != nullptr) {
            pageManager->removeParam(Params::PARAM_HEATING_CIRCUIT);
            pageManager->goTo(&context->pages->energyCockpitPage, pageManager->getHistorySize() != 0);
        }
    } else if (index == LEFT_ARROW_BUTTON) {
        shownPage = 0;
        content.setX(0);
        pageIndicator.setAnchor(static_cast<int16_t>(displayWidth() / 2), pageIndicator.getY());
        pageIndicator.setCurrentPage(FavouritesMainPresenter::PAGE_INDEX);
        content.invalidate();
        updateTitle();
    } else if (index == RIGHT_ARROW_BUTTON && shownPage == 0 && pageCount == 2) {
        shownPage = 1;
        content.setX(SECOND_PAGE_SCROLL);
        // The indicator moves with the content; its anchor moves back so it stays in place.
        pageIndicator.setAnchor(
            static_cast<int16_t>(pageIndicator.getWidth() / 2 + pageIndicator.getX() - content.getX()),
            pageIndicator.getY());
        pageIndicator.setCurrentPage(FavouritesMainPresenter::PAGE_INDEX + 1);
        content.invalidate();
        updateTitle();
    } else if (index == RIGHT_ARROW_BUTTON) {
        if (pageManager != nullptr) {
            pageManager->backTo(true);
        }
    } else {
        GenericView::onBottomBarButton(index);
    }
}

void FavouritesMainView::onTopBarButton(const int& id)
{
    ShellContext* context = ShellContext::running();
    if (id == 0 && context != nullptr && pageManager != nullptr) {
        pageManager->goTo(&context->pages->mainMenuPage, false);
    }
}

void FavouritesMainView::onTileClicked(const quillon::AbstractButton& button)
{
    for (uint8_t i = 0; i < tileCount; ++i) {
        if (&tiles[i] != &button) {
            continue;
        }
        const TileItem* item = tiles[i].getItem();
        if (item == nullptr || item->target == nullptr || pageManager == nullptr) {
            return;
        }
        if (item->paramTag == Params::PARAM_HEATING_CIRCUIT && item->paramValue != nullptr) {
            pageManager->setParam(*item->paramValue);
        }
        pageManager->goTo(item->target, false);
        return;
    }
}

void FavouritesMainView::update()
{
    rebuildContent();
}

void FavouritesMainView::rebuildContent()
{
    setupContent(content);
}
