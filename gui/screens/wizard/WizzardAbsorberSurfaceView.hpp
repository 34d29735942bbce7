#ifndef GUI_SCREENS_WIZARD_WIZZARDABSORBERSURFACEVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDABSORBERSURFACEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/common/KeyboardViewMode.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfacePresenter.hpp"
#include "guicontrols/CheckableButtonWithLabel.hpp"
#include "guicontrols/FloatKeyboard.hpp"
#include "guicontrols/SpinBox.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/TextArea.hpp>

// The absorber surface as collectors times the area of one: two collector models with fixed
// areas, or another collector whose area is typed in. The total follows every touch; the
// device gets type, count and surface only on confirm.
class WizzardAbsorberSurfaceView : public BaseView<WizzardAbsorberSurfacePresenter>
{
public:
    static constexpr uint8_t CONFIRM_BUTTON = 5;
    static constexpr uint8_t TYPES = 3;
    static constexpr uint16_t TEXT_UNITS = 15;
    static constexpr int32_t MIN_COUNT = 1;
    static constexpr int32_t MAX_COUNT = 10;
    static constexpr uint8_t MAX_DECIMALS = 2;
    static constexpr uint8_t MAX_LENGTH = 5;

    WizzardAbsorberSurfaceView();
    ~WizzardAbsorberSurfaceView() override {}

    quillon::TextId getTitleText() override { return 806; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onViewModeFinished() override;

    void onTypeClicked(const quillon::AbstractButton& button);
    void onCountChanged(const int& count);

    // The value with two decimals and a blank, then "m²" when asked, cut to the buffer.
    static void formatArea(quillon::WideChar* buffer, float value, uint16_t maxUnits, bool withUnit);

    const guicontrols::CheckableButtonWithLabel& getTypeButton(uint8_t type) const { return typeButtons[type]; }
    const quillon::WideChar* getTypeValueText(uint8_t type) const;
    const guicontrols::SpinBox& getCountBox() const { return countBox; }
    const guicontrols::TextField& getResult() const { return result; }
    const guicontrols::TextField& getEqualsSign() const { return equalsSign; }
    const quillon::TextArea& getCountLabel() const { return countLabel; }
    const KeyboardViewMode& getKeyboardMode() const { return keyboardMode; }
    const guicontrols::FloatKeyboard& getKeyboard() const { return keyboard; }

private:
    void layout(guicontrols::Content& area);
    void updateTypeButtons();
    void updateResult();
    void setCount(int32_t count);

    float collectorAreas[TYPES];
    float maxCollectorArea;
    guicontrols::CheckableButtonWithLabel typeButtons[TYPES];
    guicontrols::SpinBox countBox;
    quillon::TextArea countLabel;
    guicontrols::TextField equalsSign;
    guicontrols::TextField result;
    guicontrols::FloatKeyboard keyboard;
    KeyboardViewMode keyboardMode;
    quillon::WideChar modelTexts[2][TEXT_UNITS];
    quillon::WideChar otherText[TEXT_UNITS];
    quillon::WideChar resultText[TEXT_UNITS];
    quillon::Callback<WizzardAbsorberSurfaceView, const int&> countCallback;
    quillon::Callback<WizzardAbsorberSurfaceView, const quillon::AbstractButton&> typeCallback;
};

#endif
