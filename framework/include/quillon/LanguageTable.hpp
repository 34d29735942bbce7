#ifndef QUILLON_LANGUAGETABLE_HPP
#define QUILLON_LANGUAGETABLE_HPP

#include <quillon/Texts.hpp>

namespace quillon
{
// The texts of every language over a generated TextDatabase. One object is registered with
// TypedText::registerLanguageTable; setLanguage then selects the language all texts are read in.
class LanguageTable
{
public:
    explicit LanguageTable(const TextDatabase& database) : database(database) {}

    // Selects the language and registers its typed-text database. Ids from
    // NUMBER_OF_LANGUAGES on change nothing. Before a table is registered only the id is kept.
    static void setLanguage(LanguageId id);
    static LanguageId getLanguage() { return currentLanguage; }

    // The text in the current language; no range check (TypedText checks).
    const WideChar* getText(TextId id) const { return database.languageTexts[currentLanguage][id]; }
    const TypedTextRecord* getTypedTextDatabase(LanguageId id) const { return database.typedTextDatabases[id]; }
    uint16_t getTextCount() const { return database.textCount; }
    const Font* const* getFontTable() const { return database.fontTable; }

private:
    const TextDatabase& database;
    static LanguageId currentLanguage;
};
} // namespace quillon

#endif
