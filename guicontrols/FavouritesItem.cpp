#include "guicontrols/FavouritesItem.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Bitmap.hpp>

namespace guicontrols
{
using quillon::Bitmap;

namespace
{
const quillon::FontId TEXT_FONT = 2;
const quillon::BitmapId BUTTON_RELEASED = 16;
const quillon::BitmapId BUTTON_PRESSED = 18;
const quillon::BitmapId ICON_UNCHECKED = 80;
const quillon::BitmapId ICON_CHECKED = 81;
const quillon::BitmapId LINE_WIDTH_BITMAP = 13;
const uint8_t TEXT_COLOR = 0;
const int16_t TEXT_LEFT = 30;
const int16_t TEXT_BOTTOM_GAP = 15;
const int16_t BUTTON_RIGHT_MARGIN = 40;
const int16_t LINE_HEIGHT = 2;
} // namespace

FavouritesItem::FavouritesItem()
    : IItemProvider(0), provider(nullptr), clicked(this, &FavouritesItem::onButtonClicked), checked(false)
{
    name.setAlignment(0);
    name.setVerticalAlignment(1);
    name.setColor(Palette::entry(TEXT_COLOR));
    button.setBitmaps(Bitmap(BUTTON_RELEASED), Bitmap(BUTTON_PRESSED));
    button.setIcon(Bitmap(ICON_UNCHECKED));
    button.setAction(clicked);
    line.setColor(Palette::entry(TEXT_COLOR));
    add(button);
    add(name);
    add(line);
    setHeight(HEIGHT);
    update();
}

FavouritesItem& FavouritesItem::setProvider(FavouritesProvider* newProvider)
{
    provider = newProvider;
    return *this;
}

void FavouritesItem::update()
{
    if (provider == nullptr) {
        return;
    }
    if (provider->getText() != nullptr) {
        name.setText(provider->getText(), ApplicationFontProvider().getFont(TEXT_FONT));
    }
    setChecked(provider->isFavourite() != 0);
}

void FavouritesItem::updateLayout()
{
    const int16_t width = getWidth();
    name.setPosition(TEXT_LEFT, 0, width, static_cast<int16_t>(getHeight() - TEXT_BOTTOM_GAP));
    const int16_t size = Bitmap(BUTTON_RELEASED).getWidth();
    button.setPosition(static_cast<int16_t>(width - size - BUTTON_RIGHT_MARGIN), 0, size,
                       Bitmap(BUTTON_RELEASED).getHeight());
    line.setPosition(0, static_cast<int16_t>(getHeight() - LINE_HEIGHT), Bitmap(LINE_WIDTH_BITMAP).getWidth(),
                     LINE_HEIGHT);
}

void FavouritesItem::setChecked(bool c)
{
    button.setChecked(c);
    button.setIcon(Bitmap(c ? ICON_CHECKED : ICON_UNCHECKED));
    checked = c;
    button.invalidate();
}

void FavouritesItem::onButtonClicked(const quillon::AbstractButton& source)
{
    if (&source != &button) {
        return;
    }
    button.toggle();
    setChecked(button.isChecked());
}
} // namespace guicontrols
