#ifndef GUICONTROLS_SHORTQUERYCODE_HPP
#define GUICONTROLS_SHORTQUERYCODE_HPP

#include "guicontrols/IconLabelButton.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/containers/Container.hpp>

namespace guicontrols
{
// A numbered row of six labelled code buttons (no screen builds one yet).
class ShortQueryCode : public quillon::Container
{
public:
    static constexpr uint8_t BUTTON_COUNT = 6;

    ShortQueryCode();

    // Shows "n + 1:".
    void setNumber(uint8_t number);
    // Borrowed, not copied; an index from BUTTON_COUNT on is ignored.
    void setButtonLabel(uint8_t index, const quillon::WideChar* text);

private:
    static constexpr uint8_t LABEL_SIZE = 8;

    TextField numberLabel;
    IconLabelButton buttons[BUTTON_COUNT];
    quillon::WideChar numberText[LABEL_SIZE];
    quillon::WideChar zeroText[LABEL_SIZE];
};
} // namespace guicontrols

#endif
