#include <quillon/InternalFlashFont.hpp>

namespace quillon
{
int8_t InternalFlashFont::getKerning(WideChar previous, const GlyphRecord* glyph) const
{
    if (glyph == nullptr || glyph->kerningCount == 0 || kerningTable == nullptr) {
        return 0;
    }
    const KerningRecord* record = kerningTable + glyph->kerningStart;
    for (uint8_t index = 0; index < glyph->kerningCount; ++index, ++record) {
        if (record->previous == previous) {
            return record->distance;
        }
    }
    return 0;
}
} // namespace quillon
