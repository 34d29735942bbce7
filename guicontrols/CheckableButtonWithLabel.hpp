#ifndef GUICONTROLS_CHECKABLEBUTTONWITHLABEL_HPP
#define GUICONTROLS_CHECKABLEBUTTONWITHLABEL_HPP

#include "guicontrols/ICheckable.hpp"

#include <quillon/widgets/Button.hpp>
#include <quillon/widgets/TextArea.hpp>

#include <stdint.h>

namespace guicontrols
{
// A button with a typed-text label, an optional value text at its right end and a check
// mark while checked (the day lists). Copyable, to fill an array from one prototype.
class CheckableButtonWithLabel : public quillon::Button, public ICheckable
{
public:
    CheckableButtonWithLabel();
    // A copy is not linked into the prototype's container.
    CheckableButtonWithLabel(const CheckableButtonWithLabel& other);

    void draw(const quillon::Rectangle& area) const override;
    virtual void setCheckMarkBitmap(const quillon::Bitmap& bitmap) { checkMark = bitmap; }

    void setLabel(quillon::TextId id) { label.setTextId(quillon::TypedText(id)); }
    // 0 left, 1 centre, 2 right.
    void setLabelAlignment(uint32_t alignment) { labelAlignment = alignment; }
    // Borrowed; null: none.
    void setValueText(const quillon::WideChar* text) { valueText = text; }

private:
    quillon::TextArea label; // holds the typed text only; never added to a container
    uint32_t labelAlignment;
    quillon::Bitmap checkMark;
    const quillon::WideChar* valueText;
};
} // namespace guicontrols

#endif
