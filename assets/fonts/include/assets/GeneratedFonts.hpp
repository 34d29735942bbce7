#ifndef ASSETS_GENERATEDFONTS_HPP
#define ASSETS_GENERATEDFONTS_HPP

#include <quillon/Font.hpp>
#include <quillon/Texts.hpp>

namespace assets
{
// The compiled-in fonts, entry i being font i; filled by a static initialiser at start-up.
extern const quillon::Font* fontTable[quillon::NUMBER_OF_FONTS];

// Each font is built on the first call of its getter.
const quillon::Font& font0();
const quillon::Font& font1();
const quillon::Font& font2();
const quillon::Font& font3();
const quillon::Font& font4();
const quillon::Font& font5();
const quillon::Font& font6();
const quillon::Font& font7();

namespace generated
{
// Glyphs of each font, as generated.
extern const uint16_t glyphCounts[quillon::NUMBER_OF_FONTS];
} // namespace generated
} // namespace assets

#endif
