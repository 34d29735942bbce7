#ifndef GUICONTROLS_CONTACTDATAITEM_HPP
#define GUICONTROLS_CONTACTDATAITEM_HPP

#include "guicontrols/TextField.hpp"
#include "guicontrols/TextFieldBuffer.hpp"

#include <quillon/containers/Container.hpp>

namespace guicontrols
{
// One line of the contact-data form: a title on the left and a touchable text field that
// reports the line's id, from which the screen knows which line to edit.
class ContactDataItem : public quillon::Container
{
public:
    // The row's place in the form is 650 wide; its rectangle reaches to the field's right
    // edge so that the whole field shows and takes touches.
    static constexpr int16_t ROW_WIDTH = 650;
    static constexpr int16_t ROW_HEIGHT = 70;

    ContactDataItem();

    // Borrowed, not copied.
    void setTitle(const quillon::WideChar* text);
    void setText(const quillon::WideChar* text) { field.setText(text); }
    const quillon::WideChar* getText() const { return field.getText(); }
    void setClickCallback(quillon::GenericCallback<unsigned char>* callback) { field.setClickCallback(callback); }
    void setId(uint8_t id) { field.setId(id); }

    const TextFieldBuffer& getField() const { return field; }

private:
    const quillon::Font* titleFont;
    TextField title;
    TextFieldBuffer field;
};
} // namespace guicontrols

#endif
