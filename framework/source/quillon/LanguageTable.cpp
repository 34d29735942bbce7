#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

namespace quillon
{
LanguageId LanguageTable::currentLanguage = LANGUAGE_GERMAN;

void LanguageTable::setLanguage(LanguageId id)
{
    if (id >= NUMBER_OF_LANGUAGES) {
        return; // outside the tables
    }
    currentLanguage = id;
    const LanguageTable* table = TypedText::getLanguageTable();
    if (table != nullptr) {
        TypedText::registerTypedTextDatabase(table->getTypedTextDatabase(id), table->getFontTable(),
                                             table->getTextCount());
    }
}
} // namespace quillon
