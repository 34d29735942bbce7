#ifndef GUI_SCREENS_ENERGY_INPUTGASQUALITYVIEW_HPP
#define GUI_SCREENS_ENERGY_INPUTGASQUALITYVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/common/KeyboardViewMode.hpp"
#include "gui/screens/energy/InputGasQualityPresenter.hpp"
#include "guicontrols/FloatKeyboard.hpp"
#include "guicontrols/TextFieldBuffer.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/TextArea.hpp>

// The calorific value and the gas correction factor, each typed on the decimal keyboard and
// shown with four decimals; OK sends both, back and home send nothing.
class InputGasQualityView : public BaseView<InputGasQualityPresenter>
{
public:
    static constexpr uint8_t CALORIFIC_FIELD = 0;
    static constexpr uint8_t CORRECTION_FIELD = 1;
    static constexpr uint8_t OK_BUTTON = 5;
    static constexpr uint8_t MAX_DECIMALS = 4;
    static constexpr uint8_t MAX_LENGTH = 8;

    InputGasQualityView();
    ~InputGasQualityView() override {}

    quillon::TextId getTitleText() override { return 922; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onViewModeFinished() override;

    void onFieldClicked(unsigned char id);

    const guicontrols::TextFieldBuffer& getField(uint8_t id) const { return fields[id == 0 ? 0 : 1]; }
    const quillon::TextArea& getLabel(uint8_t id) const { return id == 0 ? calorificLabel : correctionLabel; }
    const quillon::TextArea& getUnit() const { return unitLabel; }
    const KeyboardViewMode& getKeyboardMode() const { return keyboardMode; }
    const guicontrols::FloatKeyboard& getKeyboard() const { return keyboard; }

private:
    quillon::TextArea calorificLabel;
    quillon::TextArea correctionLabel;
    quillon::TextArea unitLabel;
    guicontrols::TextFieldBuffer fields[2];
    guicontrols::FloatKeyboard keyboard;
    KeyboardViewMode keyboardMode;
    quillon::Callback<InputGasQualityView, unsigned char> fieldCallback;
    uint8_t activeField;
};

#endif
