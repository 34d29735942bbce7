#include "gui/screens/settings/SettingsContactDataPresenter.hpp"

namespace
{
const quillon::WideChar EMPTY[] = {0};
}

SettingsContactDataPresenter::SettingsContactDataPresenter(IView& view) : BasePresenter(view), fields() {}

void SettingsContactDataPresenter::load()
{
    model::SettingsGroup& settings = getModel()->getGroups().settings;
    fields[0] = settings.name.get();
    fields[1] = settings.telephone.get();
    fields[2] = settings.mobile.get();
    fields[3] = settings.email.get();
}

const quillon::WideChar* SettingsContactDataPresenter::getField(uint8_t row) const
{
    return row < ROWS ? fields[row] : nullptr;
}

void SettingsContactDataPresenter::setField(const quillon::WideChar* text, uint8_t row)
{
    if (row < ROWS) {
        fields[row] = text;
    }
}

void SettingsContactDataPresenter::save()
{
    model::SettingsGroup& settings = getModel()->getGroups().settings;
    // A stored text is read from its own record, which only its own write replaces: each
    // reference is still good when its turn comes.
    settings.name.set(fields[0] != nullptr ? fields[0] : EMPTY);
    settings.telephone.set(fields[1] != nullptr ? fields[1] : EMPTY);
    settings.mobile.set(fields[2] != nullptr ? fields[2] : EMPTY);
    settings.email.set(fields[3] != nullptr ? fields[3] : EMPTY);
}
