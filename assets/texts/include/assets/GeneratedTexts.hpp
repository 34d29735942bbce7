#ifndef ASSETS_GENERATEDTEXTS_HPP
#define ASSETS_GENERATEDTEXTS_HPP

#include <quillon/Texts.hpp>

namespace assets
{
const uint16_t TEXT_COUNT = 1599;

// The compiled-in texts of the ten languages over the compiled-in fonts.
const quillon::TextDatabase& textDatabase();

// Registers one LanguageTable over textDatabase() with TypedText. The caller then picks the
// language with quillon::LanguageTable::setLanguage.
void registerGeneratedTexts();

namespace generated
{
// Written by the text generator at build time.
extern const quillon::WideChar* const* const languageTexts[quillon::NUMBER_OF_LANGUAGES];
extern const quillon::TypedTextRecord typedTextRecords[TEXT_COUNT];
} // namespace generated
} // namespace assets

#endif
