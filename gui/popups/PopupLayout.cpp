#include "gui/popups/PopupLayout.hpp"

#include "gui/popups/Popup.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/TextWrap.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

namespace PopupLayout
{
namespace
{
const quillon::BitmapId BUTTON_RELEASED = 5;
const quillon::BitmapId BUTTON_PRESSED = 6;
const uint8_t LABEL_PALETTE_ENTRY = 0;

const quillon::Font* fontOf(quillon::FontId id)
{
    return ApplicationFontProvider().getFont(id);
}
} // namespace

void placeIcon(quillon::Image& icon, quillon::BitmapId bitmap, int16_t y)
{
    icon.setBitmap(quillon::Bitmap(bitmap));
    icon.setXY(static_cast<int16_t>((Popup::WIDTH - icon.getWidth()) / 2), y);
}

void placeText(guicontrols::TextField& field, quillon::TextId text, int16_t y)
{
    field.setTextId(quillon::TypedText(text));
    field.setPosition(0, y, Popup::WIDTH, 0);
    field.setAlignment(quillon::CENTER);
    fitHeight(field);
}

void fitHeight(guicontrols::TextField& field)
{
    field.setHeight(static_cast<int16_t>(field.getTextHeight()));
}

void setupButton(quillon::ButtonWithLabel& button, quillon::TextId label, ButtonAction& action)
{
    button.setBitmaps(quillon::Bitmap(BUTTON_RELEASED), quillon::Bitmap(BUTTON_PRESSED));
    button.setLabelText(quillon::TypedText(label));
    button.setLabelColor(guicontrols::Palette::entry(LABEL_PALETTE_ENTRY));
    button.setLabelColorPressed(guicontrols::Palette::entry(LABEL_PALETTE_ENTRY));
    button.setAction(action);
}

void remeasureLabels(quillon::Container& popup)
{
    struct Remeasure
    {
        void visit(quillon::Drawable& child)
        {
            if (quillon::ButtonWithLabel* button = dynamic_cast<quillon::ButtonWithLabel*>(&child)) {
                button->setLabelText(button->getLabelText());
            }
        }
    } remeasure;
    quillon::Callback<Remeasure, quillon::Drawable&> each(&remeasure, &Remeasure::visit);
    popup.forEachChild(each);
}

void placeButtonCentred(quillon::ButtonWithLabel& button, int16_t y)
{
    button.setXY(static_cast<int16_t>((Popup::WIDTH - button.getWidth()) / 2), y);
}

void placeButtonPair(quillon::ButtonWithLabel& first, quillon::ButtonWithLabel& second, int16_t y)
{
    const int16_t middle = Popup::WIDTH / 2;
    first.setXY(static_cast<int16_t>(middle - first.getWidth() - PAIR_GAP), y);
    second.setXY(static_cast<int16_t>(middle + PAIR_GAP), y);
}

void showWrapped(guicontrols::TextField& field, quillon::WideChar* buffer, uint16_t capacity, quillon::TextId question,
                 uint8_t maxLines, quillon::FontId displayFont, int16_t y, uint16_t height)
{
    const helpers::TextWrapSpec spec(WRAP_WIDTH, fontOf(WRAP_FONT), maxLines);
    helpers::wrapText(buffer, capacity, quillon::TypedText(question).getText(), spec);
    field.setText(buffer, fontOf(displayFont));
    field.setPosition(0, y, Popup::WIDTH, static_cast<int16_t>(height));
    field.setAlignment(quillon::CENTER);
}

uint16_t lineHeight(quillon::FontId font)
{
    const quillon::Font* shown = fontOf(font);
    return shown != nullptr ? shown->getFullHeight() : 0;
}
} // namespace PopupLayout
