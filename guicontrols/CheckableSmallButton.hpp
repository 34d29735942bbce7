#ifndef GUICONTROLS_CHECKABLESMALLBUTTON_HPP
#define GUICONTROLS_CHECKABLESMALLBUTTON_HPP

#include "guicontrols/ICheckable.hpp"
#include "guicontrols/SmallButton.hpp"

namespace guicontrols
{
// A SmallButton with a check-mark overlay while checked.
class CheckableSmallButton : public SmallButton, public ICheckable
{
public:
    CheckableSmallButton() : checkMark(3) {}

    void draw(const quillon::Rectangle& area) const override;

private:
    quillon::Bitmap checkMark;
};
} // namespace guicontrols

#endif
