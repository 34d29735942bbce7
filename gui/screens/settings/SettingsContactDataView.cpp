#include "gui/screens/settings/SettingsContactDataView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 1019;
const quillon::TextId TEXT_HELP = 758;
const quillon::TextId TEXT_KEYBOARD_TITLE = 906;
const quillon::TextId TEXT_ACCEPTED = 1475;
const quillon::TextId LABELS[SettingsContactDataPresenter::ROWS] = {
    1042, // "Name"
    1141, // "Telephone"
    1039, // "Mobile phone"
    913,  // "Email"
};
const int16_t AREA_X = 20;
const int16_t AREA_Y = 10;
const uint16_t ROW_SPACING = 2;
} // namespace

SettingsContactDataView::SettingsContactDataView()
    : SettingsAcceptView<SettingsContactDataPresenter>(&Functors::getInstance().plain),
      editedRow(NO_ROW),
      keyboardMode(*this),
      rowCallback(this, &SettingsContactDataView::onRowClicked)
{
    for (uint8_t row = 0; row < SettingsContactDataPresenter::ROWS; ++row) {
        rows[row].setId(row);
        rows[row].setClickCallback(&rowCallback);
    }
}

const quillon::WideChar* SettingsContactDataView::getTitle()
{
    return quillon::TypedText(TEXT_TITLE).getText();
}

const quillon::WideChar* SettingsContactDataView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void SettingsContactDataView::setupContent(guicontrols::Content& area)
{
    scrollArea.reset(true);
    if (editedRow == NO_ROW) {
        presenter->load();
        for (uint8_t row = 0; row < SettingsContactDataPresenter::ROWS; ++row) {
            rows[row].setText(presenter->getField(row));
        }
    } else {
        // The keyboard's text: the accepted one, or the row's old one after cancel.
        rows[editedRow].setText(keyboardMode.getText());
    }
    scrollArea.setPadding(0, 0, 0, 0);
    scrollArea.setItemSpacing(ROW_SPACING);
    scrollArea.setPosition(AREA_X, AREA_Y, static_cast<int16_t>(area.getWidth() - 2 * AREA_X),
                           static_cast<int16_t>(area.getHeight() - 2 * AREA_Y));
    for (uint8_t row = 0; row < SettingsContactDataPresenter::ROWS; ++row) {
        rows[row].setTitle(quillon::TypedText(LABELS[row]).getText());
        scrollArea.addItem(rows[row]);
    }
    area.add(scrollArea);
    area.invalidate();
}

void SettingsContactDataView::onAccept()
{
    presenter->save();
    showFeedback(quillon::TypedText(TEXT_ACCEPTED).getText());
}

void SettingsContactDataView::onRowClicked(unsigned char row)
{
    if (row >= SettingsContactDataPresenter::ROWS) {
        return;
    }
    editedRow = row;
    keyboardMode.setTitle(quillon::TypedText(TEXT_KEYBOARD_TITLE).getText());
    keyboardMode.setText(rows[row].getText());
    keyboardMode.setMaxLength(MAX_CHARACTERS);
    setViewMode(&keyboardMode);
}

void SettingsContactDataView::onViewModeFinished()
{
    if (currentViewMode == &keyboardMode) {
        // From now on the row saves what its field shows; the default mode puts the
        // keyboard's text there.
        presenter->setField(rows[editedRow].getText(), editedRow);
        setViewMode(this);
        return;
    }
    GenericView::onViewModeFinished(); // the feedback's end goes back
}
