#include "guicontrols/TextWithImageItem.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Bitmap.hpp>

namespace guicontrols
{
namespace
{
const quillon::FontId TEXT_FONT = 2;
const quillon::BitmapId LINE_WIDTH_BITMAP = 13;
const int16_t TEXT_LEFT = 30;
const int16_t TEXT_BOTTOM_GAP = 10;
const int16_t IMAGE_FROM_RIGHT = 70;
const int16_t IMAGE_TOP = 10;
const int16_t LINE_HEIGHT = 2;
} // namespace

TextWithImageItem::TextWithImageItem() : IItemProvider(0), provider(nullptr)
{
    text.setAlignment(0);
    text.setVerticalAlignment(1);
    line.setColor(Palette::entry(0));
    add(text);
    add(image);
    add(line);
    setPosition(0, 0, WIDTH, HEIGHT);
}

TextWithImageItem::TextWithImageItem(TextImageProvider* provider) : TextWithImageItem()
{
    this->provider = provider;
}

TextWithImageItem& TextWithImageItem::setProvider(TextImageProvider* newProvider)
{
    provider = newProvider;
    return *this;
}

void TextWithImageItem::update()
{
    if (provider != nullptr) {
        text.setText(provider->getText(), ApplicationFontProvider().getFont(TEXT_FONT));
        image.setBitmap(quillon::Bitmap(provider->getImage()));
        updateLayout();
    }
    line.setVisible(drawsLine());
}

void TextWithImageItem::updateLayout()
{
    const int16_t width = getWidth();
    const int16_t height = getHeight();
    text.setPosition(TEXT_LEFT, 0, width, static_cast<int16_t>(height - TEXT_BOTTOM_GAP));
    // The bitmap is drawn once from the corner; the rest of the rectangle stays empty.
    image.setPosition(static_cast<int16_t>(width - IMAGE_FROM_RIGHT), IMAGE_TOP, width,
                      static_cast<int16_t>(height - IMAGE_TOP));
    line.setPosition(0, static_cast<int16_t>(height - LINE_HEIGHT), quillon::Bitmap(LINE_WIDTH_BITMAP).getWidth(),
                     LINE_HEIGHT);
}
} // namespace guicontrols
