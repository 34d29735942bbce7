#include "gui/screens/menu/MenuView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Frame.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/TypedText.hpp>

MenuView::MenuView() : MenuView(&Functors::getInstance().plain) {}

MenuView::MenuView(TitleFunctor* functor)
    : BaseView<MenuPresenter>(functor), tileCount(0), tileClicked(this, &MenuView::onTileClicked)
{
}

const MenuDescriptor* MenuView::getDescriptor() const
{
    if (pageManager == nullptr || pageManager->getCurrentPage() == nullptr) {
        return nullptr;
    }
    return pageManager->getCurrentPage()->getPointer<MenuDescriptor>();
}

const quillon::WideChar* MenuView::labelOf(const MenuItem& item) const
{
    const uint32_t circuit = item.value - FIRST_CIRCUIT_NAME;
    if (item.value >= FIRST_CIRCUIT_NAME && circuit < 3 && viewModel != nullptr) {
        model::SettingsGroup& settings = viewModel->getGroups().settings;
        const quillon::WideChar* names[] = {settings.hc1.get(), settings.hc2.get(), settings.hc3.get()};
        if (names[circuit] != nullptr && names[circuit][0] != 0) {
            return names[circuit];
        }
    }
    return quillon::TypedText(static_cast<quillon::TextId>(item.textId)).getText();
}

void MenuView::setupContent(guicontrols::Content& area)
{
    const MenuDescriptor* descriptor = getDescriptor();
    if (descriptor == nullptr) {
        return;
    }
    tileCount = 0;
    for (uint32_t i = 0; i < descriptor->itemCount; ++i) {
        const MenuItem& item = descriptor->items[i];
        if (item.protector == nullptr || !item.protector->isAvailable()) {
            continue;
        }
        // There are only so many tiles: a longer menu shows its first available ones.
        if (tileCount == MAX_TILES) {
            break;
        }
        MenuButton& tile = tiles[tileCount];
        tile.setIcon(quillon::Bitmap(static_cast<quillon::BitmapId>(item.bitmapId)));
        tile.setText(labelOf(item));
        tile.setItem(&item);
        tile.setAction(tileClicked);
        ++tileCount;
    }
    area.reset();
    guicontrols::Frame::placeTiles(area, tiles, static_cast<uint16_t>(tileCount), 0);
    area.invalidate();
}

void MenuView::rebuildContent()
{
    setupContent(content);
}

void MenuView::update()
{
    rebuildContent();
}

quillon::TextId MenuView::getTitleText()
{
    const MenuDescriptor* descriptor = getDescriptor();
    return descriptor != nullptr ? static_cast<quillon::TextId>(descriptor->titleTextId) : quillon::TYPED_TEXT_INVALID;
}

const quillon::WideChar* MenuView::getHelpText()
{
    const MenuDescriptor* descriptor = getDescriptor();
    if (descriptor == nullptr || descriptor->helpTextId == MenuDescriptor::NO_TEXT) {
        return nullptr;
    }
    return quillon::TypedText(static_cast<quillon::TextId>(descriptor->helpTextId)).getText();
}

void MenuView::onTileClicked(const quillon::AbstractButton& tile)
{
    const MenuButton& button = static_cast<const MenuButton&>(tile);
    if (button.getItem() == nullptr || button.getTarget() == nullptr || pageManager == nullptr) {
        return;
    }
    pageManager->goTo(button.getTarget(), false);
}
