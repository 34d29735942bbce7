#include "gui/screens/energy/InputGasMeterReadingView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/LeadingNumber.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/DateTime.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId DATE_TEXT = 870;
const quillon::TextId READING_TEXT = 1187;
const quillon::TextId UNIT_TEXT = 1254;
const quillon::TextId MOVE_TEXT = 800;
const quillon::TextId CHANGE_TEXT = 799;
const quillon::TextId HELP_ONE_READING = 697;
const quillon::TextId HELP_TWO_READINGS = 698;
const quillon::FontId LABEL_FONT = 1;
const quillon::BitmapId BUTTON_RELEASED = 7;
const quillon::BitmapId BUTTON_PRESSED = 9;
const quillon::BitmapId ACCEPT_ICON = 210;
const uint8_t TEXT_COLOUR = 11;
const uint8_t PRESSED_LABEL = 0;
const int16_t ROW_HEIGHT = 50;
const int16_t FIELD_WIDTH = 200;
const int16_t GAP = 10;
const quillon::WideChar EMPTY[] = {0};
const quillon::WideChar DIGIT_ONE[] = {'1', 0};
} // namespace

InputGasMeterReadingView::InputGasMeterReadingView()
    : BaseView<InputGasMeterReadingPresenter>(&Functors::getInstance().plain), keyboardMode(*this),
      entryCallback(this, &InputGasMeterReadingView::onEntryFieldClicked),
      moveCallback(this, &InputGasMeterReadingView::onMoveSecondToFirstClicked),
      changeCallback(this, &InputGasMeterReadingView::onChangeSecondClicked)
{
    const quillon::Color& colour = guicontrols::Palette::entry(TEXT_COLOUR);
    quillon::TextArea* texts[] = {&dateHeading, &readingHeading, &units[0], &units[1]};
    const quillon::TextId ids[] = {DATE_TEXT, READING_TEXT, UNIT_TEXT, UNIT_TEXT};
    for (uint8_t i = 0; i < 4; ++i) {
        texts[i]->setTextId(quillon::TypedText(ids[i]));
        texts[i]->setColor(colour);
    }
    for (uint8_t row = 0; row < 2; ++row) {
        rowLabels[row].setColor(colour);
        rowLabels[row].setAlignment(quillon::LEFT);
        rowValues[row].setColor(colour);
        rowValues[row].setAlignment(quillon::RIGHT);
    }
    entryField.setColor(colour); // the field's box, its text drawn darker on it
    entryField.setAlignment(guicontrols::TextFieldBuffer::RIGHT);
    entryField.setTouchable(true);
    entryField.setClickCallback(&entryCallback);
    quillon::ButtonWithLabel* buttons[] = {&moveButton, &changeButton};
    const quillon::TextId labels[] = {MOVE_TEXT, CHANGE_TEXT};
    for (uint8_t i = 0; i < 2; ++i) {
        buttons[i]->setBitmaps(quillon::Bitmap(BUTTON_RELEASED), quillon::Bitmap(BUTTON_PRESSED));
        buttons[i]->setLabelText(quillon::TypedText(labels[i]));
        buttons[i]->setLabelColor(colour);
        buttons[i]->setLabelColorPressed(guicontrols::Palette::entry(PRESSED_LABEL));
    }
    moveButton.setAction(moveCallback);
    changeButton.setAction(changeCallback);
    keyboardMode.setKeyboard(&keyboard);
    keyboardMode.setMaxLength(MAX_LENGTH);
}

const quillon::WideChar* InputGasMeterReadingView::getHelpText()
{
    const bool both = presenter->getState() == InputGasMeterReadingPresenter::BOTH_READINGS;
    return quillon::TypedText(both ? HELP_TWO_READINGS : HELP_ONE_READING).getText();
}

uint32_t InputGasMeterReadingView::now() const
{
    return presenter->getCurrentDateTime().getTimestamp();
}

void InputGasMeterReadingView::setupContent(guicontrols::Content& area)
{
    area.reset();
    switch (presenter->getState()) {
    case InputGasMeterReadingPresenter::NO_READING:
        layoutSingleReading(0);
        break;
    case InputGasMeterReadingPresenter::FIRST_READING:
        layoutTwoReadings(false);
        break;
    default:
        layoutTwoReadings(true);
        break;
    }
    keyboardMode.setTitle(quillon::TypedText(getTitleText()).getText());
}

void InputGasMeterReadingView::placeHeadings(int16_t dateX, int16_t y)
{
    dateHeading.fitToText();
    dateHeading.setXY(dateX, y);
    readingHeading.fitToText();
    readingHeading.setXY(static_cast<int16_t>(dateX + FIELD_WIDTH), y);
}

void InputGasMeterReadingView::placeLabel(guicontrols::TextField& label, int16_t labelEnd, int16_t y,
                                          const quillon::WideChar* text)
{
    const quillon::Font* font = ModeLayout::font(LABEL_FONT);
    // The row number stands left of the date column, the date itself under its heading.
    const int16_t x = static_cast<int16_t>(labelEnd - FIELD_WIDTH - 3 * guicontrols::LiteralText::getWidth(font, DIGIT_ONE));
    label.setPosition(x, y, static_cast<int16_t>(labelEnd - x), ROW_HEIGHT);
    label.setText(text, font);
}

void InputGasMeterReadingView::placeUnitBeside(quillon::TextArea& unit, const quillon::Drawable& field, int16_t y)
{
    unit.fitToText();
    unit.setPosition(static_cast<int16_t>(field.getX() + field.getWidth() + GAP), y, unit.getWidth(), field.getHeight());
}

void InputGasMeterReadingView::layoutSingleReading(uint8_t index)
{
    const int16_t headingY = 80;
    placeHeadings(200, headingY);
    const int16_t labelY = headingY + 70;
    presenter->setDate(now(), index);
    placeLabel(rowLabels[index], 400, labelY, presenter->formatLabel(index, false));
    entryField.setPosition(400, static_cast<int16_t>(labelY - ROW_HEIGHT / 4), FIELD_WIDTH, ROW_HEIGHT);
    entryField.setText(index == 0 ? presenter->formatReading(0) : EMPTY);
    entryField.setVisible(true);
    units[index].setVisible(true);
    placeUnitBeside(units[index], entryField, labelY);
    content.add(dateHeading);
    content.add(readingHeading);
    content.add(rowLabels[index]);
    content.add(entryField);
    content.add(units[index]);
}

void InputGasMeterReadingView::layoutTwoReadings(bool withButtons)
{
    const int16_t headingY = 30;
    placeHeadings(100, headingY);
    const int16_t firstY = 100;
    const int16_t secondY = firstY + 130;
    placeLabel(rowLabels[0], 300, firstY, presenter->formatLabel(0, false));
    rowValues[0].setPosition(300, firstY, FIELD_WIDTH, ROW_HEIGHT);
    rowValues[0].setText(presenter->formatReading(0), ModeLayout::font(LABEL_FONT));
    placeUnitBeside(units[0], rowValues[0], firstY);

    if (!withButtons) {
        presenter->setDate(now(), 1);
    }
    placeLabel(rowLabels[1], 300, secondY,
               presenter->getDate(1) != 0 ? presenter->formatLabel(1, false) : EMPTY);
    rowValues[1].setPosition(300, secondY, FIELD_WIDTH, ROW_HEIGHT);
    rowValues[1].setText(presenter->getReading(1) != 0 ? presenter->formatReading(1) : EMPTY,
                         ModeLayout::font(LABEL_FONT));
    entryField.setPosition(300, static_cast<int16_t>(secondY - ROW_HEIGHT / 4), FIELD_WIDTH, ROW_HEIGHT);
    entryField.setText(presenter->formatReading(1));
    units[1].setVisible(true);
    placeUnitBeside(units[1], entryField, secondY);

    moveButton.setXY(static_cast<int16_t>(units[0].getX() + units[0].getWidth() + GAP), headingY);
    changeButton.setXY(static_cast<int16_t>(units[1].getX() + units[1].getWidth() + GAP),
                       static_cast<int16_t>(moveButton.getY() + moveButton.getHeight()));
    moveButton.setVisible(withButtons);
    changeButton.setVisible(withButtons);
    rowValues[1].setVisible(withButtons);
    entryField.setVisible(!withButtons);

    content.add(moveButton);
    content.add(changeButton);
    content.add(dateHeading);
    content.add(readingHeading);
    content.add(rowLabels[0]);
    content.add(rowValues[0]);
    content.add(rowValues[1]);
    content.add(units[0]);
    content.add(entryField);
    content.add(rowLabels[1]);
    content.add(units[1]);
}

void InputGasMeterReadingView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
    bar.invalidate();
}

void InputGasMeterReadingView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    presenter->storeReadings();
    presenter->storeDates();
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void InputGasMeterReadingView::onEntryFieldClicked(unsigned char id)
{
    (void)id;
    keyboardMode.setText(entryField.getText());
    setViewMode(&keyboardMode);
}

void InputGasMeterReadingView::onViewModeFinished()
{
    if (getViewMode() != &keyboardMode) {
        GenericView::onViewModeFinished();
        return;
    }
    entryField.setText(keyboardMode.getText());
    const uint32_t number = guicontrols::LeadingNumber::read(keyboardMode.getText());
    switch (presenter->getState()) {
    case InputGasMeterReadingPresenter::NO_READING:
        presenter->setReading(number, 0);
        presenter->setCounterSnapshot(presenter->getCounter(), 0);
        break;
    case InputGasMeterReadingPresenter::FIRST_READING:
        presenter->setReading(number, 1);
        presenter->setCounterSnapshot(presenter->getCounter(), 1);
        break;
    default:
        presenter->setReading(number, 1);
        presenter->setDate(now(), 1);
        presenter->setCounterSnapshot(presenter->getCounter(), 1);
        break;
    }
    setViewMode(this);
}

void InputGasMeterReadingView::onMoveSecondToFirstClicked(const quillon::AbstractButton& button)
{
    (void)button;
    if (presenter->getReading(1) != 0 && presenter->getDate(1) != 0) {
        presenter->setReading(presenter->getReading(1), 0);
        presenter->setDate(presenter->getDate(1), 0);
        presenter->setCounterSnapshot(presenter->getCounterSnapshot(1), 0);
    }
    const quillon::Font* font = ModeLayout::font(LABEL_FONT);
    rowLabels[0].setText(presenter->formatLabel(0, false), font);
    rowValues[0].setText(presenter->formatReading(0), font);
    rowLabels[1].setText(presenter->formatLabel(1, true), font);
    rowValues[1].setText(EMPTY, font);
    units[1].setVisible(false);
    rowLabels[0].invalidate();
    rowValues[0].invalidate();
    rowLabels[1].invalidate();
    rowValues[1].invalidate();
    units[1].invalidate();
    presenter->setDate(0, 1);
    presenter->setReading(0, 1);
    presenter->setCounterSnapshot(0, 1);
}

void InputGasMeterReadingView::onChangeSecondClicked(const quillon::AbstractButton& button)
{
    (void)button;
    content.reset();
    layoutSingleReading(1);
    units[1].setVisible(true);
    units[1].invalidate();
    content.invalidate();
}
