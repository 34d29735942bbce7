#include "guicontrols/ShiftButton.hpp"

#include "guicontrols/BitmapDrawing.hpp"

namespace guicontrols
{
namespace
{
const quillon::BitmapId ACTIVE_FRAME = 3;
} // namespace

void ShiftButton::draw(const quillon::Rectangle& area) const
{
    RepeatableButton::draw(area);
    const int16_t x = static_cast<int16_t>(getWidth() / 2 - icon.getWidth() / 2);
    const int16_t y = static_cast<int16_t>(getHeight() / 3 - icon.getHeight() / 2);
    BitmapDrawing::draw(*this, icon, x, y, area, alpha);
    if (isChecked()) {
        BitmapDrawing::draw(*this, quillon::Bitmap(ACTIVE_FRAME), 0, 0, area, 255);
    }
}
} // namespace guicontrols
