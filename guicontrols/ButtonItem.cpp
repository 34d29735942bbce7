#include "guicontrols/ButtonItem.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
namespace
{
const quillon::FontId TEXT_FONT = 2;
}

ButtonItem::ButtonItem(uint32_t index)
    : IItemProvider(index), provider(nullptr), clicked(this, &ButtonItem::buttonClicked)
{
    button.setFont(ApplicationFontProvider().getFont(TEXT_FONT));
    button.setAction(clicked);
    setTouchable(true);
    add(button);
    setHeight(button.getHeight());
}

ButtonItem::ButtonItem(IActionContentProvider* provider, uint32_t index) : ButtonItem(index)
{
    this->provider = provider;
}

ButtonItem& ButtonItem::setProvider(IActionContentProvider* newProvider)
{
    provider = newProvider;
    return *this;
}

ButtonItem& ButtonItem::setProvider(IActionContentProvider* newProvider, uint32_t newIndex)
{
    provider = newProvider;
    index = newIndex;
    return *this;
}

void ButtonItem::update()
{
    if (provider != nullptr) {
        button.setText(provider->getText(index));
    }
}

void ButtonItem::updateLayout()
{
    button.setXY(0, 0);
}

void ButtonItem::setValueText(const quillon::WideChar* text)
{
    button.setValueText(text);
    button.invalidate();
}

void ButtonItem::setIcon(const quillon::Bitmap& bitmap, int16_t offset)
{
    button.setIcon(bitmap, offset);
    button.invalidate();
}

void ButtonItem::buttonClicked(const quillon::AbstractButton& source)
{
    if (&source == &button && provider != nullptr) {
        provider->execute(index);
    }
}
} // namespace guicontrols
