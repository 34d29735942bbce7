#include <assets/GeneratedFonts.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

namespace assets
{
namespace
{
// Every language uses the same records: font and alignment do not depend on the language.
const quillon::TypedTextRecord* const typedTextDatabases[quillon::NUMBER_OF_LANGUAGES] = {
    generated::typedTextRecords, generated::typedTextRecords, generated::typedTextRecords,
    generated::typedTextRecords, generated::typedTextRecords, generated::typedTextRecords,
    generated::typedTextRecords, generated::typedTextRecords, generated::typedTextRecords,
    generated::typedTextRecords,
};

const quillon::TextDatabase database = {generated::languageTexts, typedTextDatabases, fontTable, TEXT_COUNT};
} // namespace

const quillon::TextDatabase& textDatabase()
{
    return database;
}

void registerGeneratedTexts()
{
    static const quillon::LanguageTable table(database);
    quillon::TypedText::registerLanguageTable(&table);
}
} // namespace assets
