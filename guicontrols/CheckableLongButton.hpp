#ifndef GUICONTROLS_CHECKABLELONGBUTTON_HPP
#define GUICONTROLS_CHECKABLELONGBUTTON_HPP

#include "guicontrols/ICheckable.hpp"
#include "guicontrols/LongButton.hpp"

namespace guicontrols
{
// A LongButton with a check-mark overlay while checked.
class CheckableLongButton : public LongButton, public ICheckable
{
public:
    CheckableLongButton() : checkMark(14) {}

    void draw(const quillon::Rectangle& area) const override;
    // The flag has no visible effect: what an extra text would show was never settled.
    void disableExtraText() { extraText = false; }
    bool hasExtraText() const { return extraText; }

private:
    quillon::Bitmap checkMark;
    bool extraText = true;
};
} // namespace guicontrols

#endif
