#include "guicontrols/EnergyCockpitSolar.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
namespace
{
const quillon::BitmapId ARTWORK = 36;
const quillon::FontId TEXT_FONT = 5;
const quillon::Rectangle TEXT_BAND(2, 125, 140, 50);
} // namespace

EnergyCockpitSolar::EnergyCockpitSolar() : text(nullptr)
{
    setBitmaps(quillon::Bitmap(ARTWORK), quillon::Bitmap(ARTWORK));
}

void EnergyCockpitSolar::draw(const quillon::Rectangle& area) const
{
    BitmapDrawing::draw(*this, quillon::Bitmap(ARTWORK), 0, 0, area, 255);
    quillon::Rectangle clip = TEXT_BAND & area;
    if (text == nullptr || clip.isEmpty()) {
        return;
    }
    clip.x = static_cast<int16_t>(clip.x - TEXT_BAND.x);
    clip.y = static_cast<int16_t>(clip.y - TEXT_BAND.y);
    quillon::Rectangle band = TEXT_BAND;
    toScreenCoordinates(band);
    ApplicationFontProvider fonts;
    const quillon::LCD::TextStyle style(fonts.getFont(TEXT_FONT), Palette::entry(8), 255, quillon::CENTER, 0,
                                        quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(band, clip, style, text);
}
} // namespace guicontrols
