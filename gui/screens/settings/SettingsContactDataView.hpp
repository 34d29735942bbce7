#ifndef GUI_SCREENS_SETTINGS_SETTINGSCONTACTDATAVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSCONTACTDATAVIEW_HPP

#include "gui/common/KeyboardViewMode.hpp"
#include "gui/screens/settings/SettingsContactDataPresenter.hpp"
#include "gui/screens/settings/SettingsAcceptView.hpp"
#include "guicontrols/ContactDataItem.hpp"
#include "guicontrols/ScrollArea.hpp"

#include <quillon/Callback.hpp>

// Four rows of the service contact. Touching a row's field edits it on the keyboard; the
// edits stay in the rows until OK stores all four, back and home store nothing.
class SettingsContactDataView : public SettingsAcceptView<SettingsContactDataPresenter>
{
public:
    static constexpr uint8_t NO_ROW = 5;
    // Characters of a contact text; the settings hold them with the terminator.
    static const uint8_t MAX_CHARACTERS = 26;

    SettingsContactDataView();
    ~SettingsContactDataView() override {}

    const quillon::WideChar* getTitle() override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void onViewModeFinished() override;
    void onRowClicked(unsigned char row);

    const guicontrols::ContactDataItem& getRow(uint8_t row) const { return rows[row]; }
    const KeyboardViewMode& getKeyboardMode() const { return keyboardMode; }
    uint8_t getEditedRow() const { return editedRow; }

protected:
    void onAccept() override;

private:
    uint8_t editedRow;
    KeyboardViewMode keyboardMode;
    guicontrols::ScrollArea scrollArea;
    guicontrols::ContactDataItem rows[SettingsContactDataPresenter::ROWS];
    quillon::Callback<SettingsContactDataView, unsigned char> rowCallback;
};

#endif
