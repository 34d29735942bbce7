#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const uint8_t FONT_INDEX_OF_ID[ApplicationFontProvider::NUMBER_OF_FONT_IDS] = {
    0, 1, 2, 3, 4, 5, 6, 2, 3, // 0..8
    7, 2, 2, 2, 2, 3, 0, 2, 3, // 9..17
    2, 0, 2, 3, 2, 3, 2, 0, 2  // 18..26
};
} // namespace

uint8_t ApplicationFontProvider::fontIndexOf(quillon::FontId fontId)
{
    return FONT_INDEX_OF_ID[fontId];
}

const quillon::Font* ApplicationFontProvider::getFont(quillon::FontId fontId)
{
    const quillon::Font* const* fontTable = quillon::TypedText::getFontTable();
    if (fontTable == nullptr && quillon::TypedText::getLanguageTable() != nullptr) {
        fontTable = quillon::TypedText::getLanguageTable()->getFontTable(); // no language chosen yet
    }
    if (fontId >= NUMBER_OF_FONT_IDS || fontTable == nullptr) {
        return nullptr;
    }
    return fontTable[FONT_INDEX_OF_ID[fontId]];
}
