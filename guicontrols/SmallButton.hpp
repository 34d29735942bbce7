#ifndef GUICONTROLS_SMALLBUTTON_HPP
#define GUICONTROLS_SMALLBUTTON_HPP

#include <quillon/widgets/Button.hpp>

namespace guicontrols
{
// The 142 x 70 button with a text word-wrapped onto at most two centred lines.
class SmallButton : public quillon::Button
{
public:
    SmallButton();

    void draw(const quillon::Rectangle& area) const override;

    // Borrowed, not copied.
    void setText(const quillon::WideChar* value) { text = value; }
    const quillon::WideChar* getText() const { return text; }

private:
    const quillon::WideChar* text;
};
} // namespace guicontrols

#endif
