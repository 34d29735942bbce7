#include "gui/screens/energy/InputGasQualityView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/Font.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId CALORIFIC_TEXT = 861;
const quillon::TextId CORRECTION_TEXT = 950;
const quillon::TextId UNIT_TEXT = 1245;
const quillon::TextId HELP = 701;
const uint8_t TEXT_COLOUR = 11;
const quillon::BitmapId ACCEPT_ICON = 210;
const int16_t LABEL_X = 50;
const int16_t FIELD_X = 300;
const int16_t FIELD_WIDTH = 200;
const int16_t FIELD_HEIGHT = 50;
const int16_t GAP = 10;

// A field beside its label, centred on the label's first line.
int16_t fieldYBeside(const quillon::TextArea& label)
{
    const quillon::Font* font = label.getTypedText().getFont();
    const int16_t half = font != nullptr ? static_cast<int16_t>(font->getFullHeight() / 2) : 0;
    return static_cast<int16_t>(label.getY() - half + 8);
}
} // namespace

InputGasQualityView::InputGasQualityView()
    : BaseView<InputGasQualityPresenter>(&Functors::getInstance().plain), keyboardMode(*this),
      fieldCallback(this, &InputGasQualityView::onFieldClicked), activeField(CALORIFIC_FIELD)
{
    keyboard.setMaxDecimals(MAX_DECIMALS);
    keyboardMode.setKeyboard(&keyboard);
    keyboardMode.setMaxLength(MAX_LENGTH);
}

const quillon::WideChar* InputGasQualityView::getHelpText()
{
    return quillon::TypedText(HELP).getText();
}

void InputGasQualityView::setupContent(guicontrols::Content& area)
{
    const quillon::Color& colour = guicontrols::Palette::entry(TEXT_COLOUR);
    calorificLabel.setTextId(quillon::TypedText(CALORIFIC_TEXT));
    calorificLabel.setColor(colour);
    calorificLabel.fitToText();
    calorificLabel.setXY(LABEL_X, 80);
    correctionLabel.setTextId(quillon::TypedText(CORRECTION_TEXT));
    correctionLabel.setColor(colour);
    correctionLabel.fitToText();
    correctionLabel.setXY(LABEL_X, static_cast<int16_t>(calorificLabel.getY() + calorificLabel.getHeight() + 50));

    const quillon::WideChar* texts[2] = {presenter->formatCalorificValue(), presenter->formatCorrectionFactor()};
    const quillon::TextArea* labels[2] = {&calorificLabel, &correctionLabel};
    // The fields move right where a label would run under them; the unit still fits beside.
    int16_t fieldX = FIELD_X;
    for (const quillon::TextArea* label : labels) {
        const int16_t end = static_cast<int16_t>(label->getX() + label->getWidth() + 2 * GAP);
        fieldX = end > fieldX ? end : fieldX;
    }
    for (uint8_t id = 0; id < 2; ++id) {
        guicontrols::TextFieldBuffer& field = fields[id];
        field.setPosition(fieldX, fieldYBeside(*labels[id]), FIELD_WIDTH, FIELD_HEIGHT);
        field.setColor(colour);
        field.setAlignment(guicontrols::TextFieldBuffer::RIGHT);
        field.setTouchable(true);
        field.setId(id);
        field.setClickCallback(&fieldCallback);
        field.setText(texts[id]);
    }
    unitLabel.setTextId(quillon::TypedText(UNIT_TEXT));
    unitLabel.setColor(colour);
    unitLabel.fitToText();
    unitLabel.setXY(static_cast<int16_t>(fieldX + FIELD_WIDTH + GAP), static_cast<int16_t>(calorificLabel.getY() + 5));

    keyboardMode.setTitle(quillon::TypedText(getTitleText()).getText());
    area.add(calorificLabel);
    area.add(correctionLabel);
    area.add(unitLabel);
    area.add(fields[CALORIFIC_FIELD]);
    area.add(fields[CORRECTION_FIELD]);
}

void InputGasQualityView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void InputGasQualityView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    presenter->storeCalorificValue();
    presenter->storeCorrectionFactor();
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void InputGasQualityView::onFieldClicked(unsigned char id)
{
    activeField = id == CORRECTION_FIELD ? CORRECTION_FIELD : CALORIFIC_FIELD;
    keyboardMode.setText(fields[activeField].getText());
    setViewMode(&keyboardMode);
}

void InputGasQualityView::onViewModeFinished()
{
    if (getViewMode() != &keyboardMode) {
        GenericView::onViewModeFinished();
        return;
    }
    // A cancel keeps the value: the restored text may not fit the keyboard (eight characters,
    // a sign), and reading it back would turn the value into 0.
    if (keyboardMode.isAccepted()) {
        const float value = keyboard.getValue();
        if (activeField == CALORIFIC_FIELD) {
            presenter->setCalorificValue(value);
        } else {
            presenter->setCorrectionFactor(value);
        }
    }
    setViewMode(this);
}
