#ifndef GUI_SCREENS_SETTINGS_SETTINGSCONTACTDATAPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSCONTACTDATAPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The service contact's name, telephone, mobile and e-mail. Each row refers to the text it
// will save: the stored one after load, the row's own field once the row was edited.
class SettingsContactDataPresenter : public BasePresenter
{
public:
    static const uint8_t ROWS = 4;

    explicit SettingsContactDataPresenter(IView& view);
    ~SettingsContactDataPresenter() override {}

    void load();
    // Null before load and for a row beyond the four.
    const quillon::WideChar* getField(uint8_t row) const;
    // Borrowed: the text must live until save.
    void setField(const quillon::WideChar* text, uint8_t row);
    // NAME, TELEPHONE, MOBILE and EMAIL in this order, the untouched ones again.
    void save();

private:
    const quillon::WideChar* fields[ROWS];
};

#endif
