#ifndef GUI_PAGEMANAGER_PASSWORDSTORAGE_HPP
#define GUI_PAGEMANAGER_PASSWORDSTORAGE_HPP

#include "gui/pagemanager/IPasswordStorage.hpp"
#include "helpers/Text.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/WideString.hpp>

#include <stdint.h>

namespace helpers
{
// The password check behind the access levels: an entered text against the password
// setting of the level, without regard to letter case.
//
// With the page manager, which asks it, and above the model, whose settings it reads; the
// name stays in helpers, where the rest of the shell looks for it.
class PasswordStorage : public pagemanager::IPasswordStorage
{
public:
    // A stored password holds at most 16 units and its terminator.
    static constexpr uint16_t PASSWORD_UNITS = 17;

    explicit PasswordStorage(model::DataModelManager* model) : model(model) {}

    // Only the first 17 units of either text count. A level without a password never
    // matches, not even an empty text.
    bool checkPassword(int32_t accessLevel, const quillon::WideChar* entered) override
    {
        const quillon::WideChar* stored = storedPassword(accessLevel);
        if (stored == nullptr || entered == nullptr) {
            return false;
        }
        quillon::WideChar storedLower[PASSWORD_UNITS] = {};
        quillon::WideChar enteredLower[PASSWORD_UNITS] = {};
        toLowerCopy(stored, storedLower, PASSWORD_UNITS);
        toLowerCopy(entered, enteredLower, PASSWORD_UNITS);
        return quillon::WideString::strncmp(storedLower, enteredLower, PASSWORD_UNITS) == 0;
    }

private:
    // The setting's current text (a first read stores the default); null for a level that
    // has no password.
    const quillon::WideChar* storedPassword(int32_t accessLevel) const
    {
        model::SettingsGroup& settings = model->getGroups().settings;
        switch (accessLevel) {
        case pagemanager::ACCESS_LOCK_FULL:
        case pagemanager::ACCESS_LOCK_SETPOINTS:
        case pagemanager::ACCESS_USER:
            return settings.opPass.get();
        case pagemanager::ACCESS_SERVICE:
            return settings.servPass.get();
        case pagemanager::ACCESS_LEVEL2:
            return settings.menuPass.get();
        case pagemanager::ACCESS_MASTER:
            return settings.masterPass.get();
        default:
            return nullptr;
        }
    }

    model::DataModelManager* model;
};
} // namespace helpers

#endif
