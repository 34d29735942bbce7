#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANPARAMETEREDITPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANPARAMETEREDITPRESENTER_HPP

#include "gui/screens/settings/LanSettingsPresenter.hpp"

#include <quillon/hal/Types.hpp>

// Checks one address typed as "ddd.ddd.ddd.ddd"; the edit itself stays in the shared record.
class SettingsLanParameterEditPresenter : public LanSettingsPresenter
{
public:
    static constexpr uint32_t MASK_ROW = 1;

    explicit SettingsLanParameterEditPresenter(IView& view) : LanSettingsPresenter(view) {}

    // A host address: first octet 1..223, the others at most 255.
    static bool isValidAddress(const quillon::WideChar* text);
    // A subnet mask: ones from the top without a gap, never an empty first octet.
    static bool isValidMask(const quillon::WideChar* text);

private:
    // Four three-digit octets split by exactly three points; false for anything else.
    static bool readOctets(const quillon::WideChar* text, uint32_t (&octets)[4]);
};

#endif
