#include "guicontrols/EnergyCockpitBuffer.hpp"

#include "guicontrols/BitmapDrawing.hpp"

namespace guicontrols
{
namespace
{
const quillon::BitmapId ARTWORK = 30;
} // namespace

EnergyCockpitBuffer::EnergyCockpitBuffer()
{
    setBitmaps(quillon::Bitmap(ARTWORK), quillon::Bitmap(ARTWORK));
}

void EnergyCockpitBuffer::draw(const quillon::Rectangle& area) const
{
    BitmapDrawing::draw(*this, quillon::Bitmap(ARTWORK), 0, 0, area, 255);
}
} // namespace guicontrols
