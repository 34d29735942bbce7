#ifndef GUICONTROLS_TEXTFIELDBUFFER_HPP
#define GUICONTROLS_TEXTFIELDBUFFER_HPP

#include <quillon/Callback.hpp>
#include <quillon/widgets/Box.hpp>

#include <stdint.h>

namespace guicontrols
{
// A touchable field holding its own copy of a text of at most 26 characters, drawn on one
// line inside a 15-pixel margin. A press reports the field's id; a text wider than the field
// starts at the left margin whatever the alignment. Setters do not redraw.
class TextFieldBuffer : public quillon::Box
{
public:
    static constexpr uint8_t TEXT_SIZE = 27;
    static constexpr int16_t MARGIN = 15;

    enum Alignment : uint32_t
    {
        LEFT = 0,
        CENTRED = 1,
        RIGHT = 2
    };

    TextFieldBuffer();

    void draw(const quillon::Rectangle& area) const override;
    // Presses only: a release or a cancel reports nothing.
    void onClick(const quillon::ClickEvent& event) override;

    const quillon::WideChar* getText() const { return text; }
    // Copies at most 26 characters and terminates.
    void setText(const quillon::WideChar* newText);
    void setAlignment(uint32_t value) { alignment = value; }
    void setClickCallback(quillon::GenericCallback<unsigned char>* callback) { clickCallback = callback; }
    void setId(uint8_t value) { id = value; }

private:
    quillon::WideChar text[TEXT_SIZE];
    quillon::GenericCallback<unsigned char>* clickCallback;
    uint8_t id;
    uint32_t alignment;
};
} // namespace guicontrols

#endif
