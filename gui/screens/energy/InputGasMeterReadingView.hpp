#ifndef GUI_SCREENS_ENERGY_INPUTGASMETERREADINGVIEW_HPP
#define GUI_SCREENS_ENERGY_INPUTGASMETERREADINGVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/common/KeyboardViewMode.hpp"
#include "gui/screens/energy/InputGasMeterReadingPresenter.hpp"
#include "guicontrols/NumericKeyboard.hpp"
#include "guicontrols/TextField.hpp"
#include "guicontrols/TextFieldBuffer.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/TextArea.hpp>

#include <stdint.h>

// One or two gas meter readings with their dates, typed on the numeric keyboard. With two
// stored, the second may replace the first ("Move 2 to 1") or be entered anew ("Change 2").
// Only OK sends, and then all six values.
class InputGasMeterReadingView : public BaseView<InputGasMeterReadingPresenter>
{
public:
    static constexpr uint8_t OK_BUTTON = 5;
    static constexpr uint8_t MAX_LENGTH = 7;

    InputGasMeterReadingView();
    ~InputGasMeterReadingView() override {}

    quillon::TextId getTitleText() override { return 923; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onViewModeFinished() override;

    void onEntryFieldClicked(unsigned char id);
    void onMoveSecondToFirstClicked(const quillon::AbstractButton& button);
    void onChangeSecondClicked(const quillon::AbstractButton& button);

    const quillon::TextArea& getDateHeading() const { return dateHeading; }
    const quillon::TextArea& getReadingHeading() const { return readingHeading; }
    const guicontrols::TextField& getRowLabel(uint8_t row) const { return rowLabels[row == 0 ? 0 : 1]; }
    const guicontrols::TextField& getRowValue(uint8_t row) const { return rowValues[row == 0 ? 0 : 1]; }
    const quillon::TextArea& getUnit(uint8_t row) const { return units[row == 0 ? 0 : 1]; }
    const guicontrols::TextFieldBuffer& getEntryField() const { return entryField; }
    const quillon::ButtonWithLabel& getMoveButton() const { return moveButton; }
    const quillon::ButtonWithLabel& getChangeButton() const { return changeButton; }
    const KeyboardViewMode& getKeyboardMode() const { return keyboardMode; }

private:
    void layoutSingleReading(uint8_t index);
    void layoutTwoReadings(bool withButtons);
    void placeHeadings(int16_t dateX, int16_t y);
    // The row's label left of labelEnd, at y, 50 high.
    void placeLabel(guicontrols::TextField& label, int16_t labelEnd, int16_t y, const quillon::WideChar* text);
    void placeUnitBeside(quillon::TextArea& unit, const quillon::Drawable& field, int16_t y);
    uint32_t now() const;

    quillon::TextArea dateHeading;
    quillon::TextArea readingHeading;
    guicontrols::TextField rowLabels[2];
    guicontrols::TextField rowValues[2];
    quillon::TextArea units[2];
    guicontrols::TextFieldBuffer entryField;
    quillon::ButtonWithLabel moveButton;
    quillon::ButtonWithLabel changeButton;
    guicontrols::NumericKeyboard keyboard;
    KeyboardViewMode keyboardMode;
    quillon::Callback<InputGasMeterReadingView, unsigned char> entryCallback;
    quillon::Callback<InputGasMeterReadingView, const quillon::AbstractButton&> moveCallback;
    quillon::Callback<InputGasMeterReadingView, const quillon::AbstractButton&> changeCallback;
};

#endif
