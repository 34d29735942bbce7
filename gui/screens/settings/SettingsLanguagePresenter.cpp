#include "gui/screens/settings/SettingsLanguagePresenter.hpp"

#include "gui/shell/ShellContext.hpp"

#include <quillon/LanguageTable.hpp>

namespace
{
const SettingsLanguagePresenter::Language LANGUAGES[SettingsLanguagePresenter::LANGUAGE_COUNT] = {
    {1463, 56, 0}, // "Deutsch"
    {1453, 59, 1}, // "English"
    {1459, 58, 2}, // "Français"
    {1593, 57, 3}, // "Dansk"
    {1598, 61, 4}, // "Vlaams"
    {1594, 62, 5}, // "Polski"
    {1592, 60, 6}, // "Italiano"
    {1595, 55, 7}, // "Česky"
    {1596, 64, 8}, // "Slovenský"
    {1597, 63, 9}, // "Svenska"
};
} // namespace

void SettingsLanguagePresenter::activate()
{
    model::DataModelManager* bound = getModel();
    if (bound != nullptr) {
        (void)bound->getGroups().common.languageCode.request(); // a full queue: the poll brings it later
    }
}

const SettingsLanguagePresenter::Language* SettingsLanguagePresenter::getLanguages() const
{
    return LANGUAGES;
}

quillon::LanguageId SettingsLanguagePresenter::getCurrentLanguage() const
{
    return quillon::LanguageTable::getLanguage();
}

void SettingsLanguagePresenter::setLanguage(quillon::LanguageId language)
{
    ShellContext* context = ShellContext::running();
    if (context != nullptr) {
        context->shell->setLanguage(language, true);
    }
}
