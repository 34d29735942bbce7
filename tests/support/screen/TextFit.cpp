#include "support/screen/TextFit.hpp"

#include "guicontrols/BaseTextItem.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/Font.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/TextArea.hpp>

namespace
{
bool shownOnScreen(const quillon::Drawable& d)
{
    for (const quillon::Drawable* p = &d; p != nullptr; p = p->getParent()) {
        if (!p->isVisible()) {
            return false;
        }
    }
    return true;
}

std::string describe(const quillon::Drawable& field, const std::string& text, int textWidth)
{
    quillon::Rectangle where = field.getRect();
    field.toScreenCoordinates(where);
    return "\"" + text + "\" is " + std::to_string(textWidth) + " px wide in a field of " +
           std::to_string(field.getWidth()) + " px at " + std::to_string(where.x) + ", " + std::to_string(where.y);
}

// Where a field's text is drawn, in its parent's coordinates.
quillon::Rectangle drawnText(const guicontrols::TextField& field)
{
    const quillon::Font* font = field.getFont();
    const int width = font->getStringWidth(field.getText());
    const int height = field.getTextHeight();
    int x = field.getX();
    if (field.getAlignment() == 1) {
        x += (field.getWidth() - width) / 2;
    } else if (field.getAlignment() == 2) {
        x += field.getWidth() - width;
    }
    int y = field.getY();
    if (field.getVerticalAlignment() == 1) {
        y += (field.getHeight() - height) / 2;
    } else if (field.getVerticalAlignment() == 2) {
        y += field.getHeight() - height;
    }
    return quillon::Rectangle(static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(width),
                              static_cast<int16_t>(height));
}

bool hasDrawnText(const guicontrols::TextField& field)
{
    return field.isVisible() && field.hasText() && field.getFont() != nullptr && field.getText()[0] != 0;
}

// A list line's label and value, on one row, closer than a space.
const int LABEL_VALUE_GAP = 10;

struct Walker
{
    void checkLine(const guicontrols::BaseTextItem& item)
    {
        const guicontrols::TextField& label = item.getTextField();
        const guicontrols::TextField& value = item.getSecondTextField();
        if (!hasDrawnText(label) || !hasDrawnText(value)) {
            return;
        }
        const quillon::Rectangle a = drawnText(label);
        const quillon::Rectangle b = drawnText(value);
        const bool sameRow = a.y < b.y + b.height && b.y < a.y + a.height;
        if (sameRow && a.x + a.width + LABEL_VALUE_GAP > b.x && b.x + b.width > a.x) {
            quillon::Rectangle where(0, 0, item.getWidth(), item.getHeight());
            item.toScreenCoordinates(where);
            found.push_back("\"" + test::utf8(label.getText()) + "\" runs into \"" + test::utf8(value.getText()) +
                            "\" at " + std::to_string(where.x) + ", " + std::to_string(where.y));
        }
    }

    void visit(quillon::Drawable& d)
    {
        if (!shownOnScreen(d)) {
            return;
        }
        if (const guicontrols::BaseTextItem* item = dynamic_cast<const guicontrols::BaseTextItem*>(&d)) {
            checkLine(*item);
        }
        if (const guicontrols::TextField* field = dynamic_cast<const guicontrols::TextField*>(&d)) {
            const quillon::Font* font = field->getFont();
            if (field->hasText() && font != nullptr) {
                const int width = font->getStringWidth(field->getText());
                if (width > field->getWidth()) {
                    found.push_back(describe(d, test::utf8(field->getText()), width));
                }
            }
        } else if (const quillon::TextArea* area = dynamic_cast<const quillon::TextArea*>(&d)) {
            if (area->getTypedText().hasValidId()) {
                const int width = area->getTextWidth();
                // A text turned a quarter runs along the field's height.
                const bool turned = area->getRotation() % 2 == 1;
                if (width > (turned ? area->getHeight() : area->getWidth())) {
                    found.push_back(describe(d, test::utf8(area->getTypedText().getText()), width));
                }
            }
        }
        if (quillon::Container* container = dynamic_cast<quillon::Container*>(&d)) {
            quillon::Callback<Walker, quillon::Drawable&> each(this, &Walker::visit);
            container->forEachChild(each);
        }
    }

    std::vector<std::string> found;
};

std::string describeHeight(const quillon::Drawable& field, const std::string& text, int textHeight)
{
    quillon::Rectangle where = field.getRect();
    field.toScreenCoordinates(where);
    return "\"" + text + "\" is " + std::to_string(textHeight) + " px high in a field of " +
           std::to_string(field.getHeight()) + " px at " + std::to_string(where.x) + ", " + std::to_string(where.y);
}

struct HeightWalker
{
    void visit(quillon::Drawable& d)
    {
        if (!shownOnScreen(d)) {
            return;
        }
        if (const guicontrols::TextField* field = dynamic_cast<const guicontrols::TextField*>(&d)) {
            if (hasDrawnText(*field) && field->getTextHeight() > field->getHeight()) {
                found.push_back(describeHeight(d, test::utf8(field->getText()), field->getTextHeight()));
            }
        } else if (const quillon::TextArea* area = dynamic_cast<const quillon::TextArea*>(&d)) {
            if (area->getTypedText().hasValidId() && area->getRotation() % 2 == 0 &&
                area->getTextHeight() > area->getHeight()) {
                found.push_back(describeHeight(d, test::utf8(area->getTypedText().getText()), area->getTextHeight()));
            }
        }
        if (quillon::Container* container = dynamic_cast<quillon::Container*>(&d)) {
            quillon::Callback<HeightWalker, quillon::Drawable&> each(this, &HeightWalker::visit);
            container->forEachChild(each);
        }
    }

    std::vector<std::string> found;
};
} // namespace

namespace test
{
std::vector<std::string> clippedTexts(quillon::Drawable& root)
{
    HeightWalker walker;
    walker.visit(root);
    return walker.found;
}

std::vector<std::string> overwideTexts(quillon::Drawable& root)
{
    Walker walker;
    walker.visit(root);
    return walker.found;
}

std::string utf8(const quillon::WideChar* text)
{
    std::string out;
    for (; text != nullptr && *text != 0; ++text) {
        const unsigned c = *text;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}
} // namespace test
