#ifndef GUI_SCREENS_WIZARD_WIZZARDINITVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZZARDINITVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/common/KeyboardViewMode.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "gui/screens/wizard/WizzardInitPresenter.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/IActionContentProvider.hpp"
#include "guicontrols/NumericKeyboard.hpp"

namespace pagemanager
{
class Page;
}

// Step 1 of 5: language, date and time, type of building, filling and venting (while the
// device releases it) and the gas type behind a one-digit code. Each entry records its step
// in the commissioning mask; "Continue" asks the security question that leads on.
class WizzardInitView : public BaseView<WizzardInitPresenter>,
                        public guicontrols::IActionContentProvider,
                        public ListConfiguration
{
public:
    // Provider indexes; the list shows them in the order language, date, building, filling, gas.
    enum Entry : uint32_t
    {
        DATE_AND_TIME = 0,
        LANGUAGE = 1,
        BUILDING_TYPE = 2,
        FILLING = 3,
        GAS_TYPE = 4,
        TEST_OPERATION = 5, // labelled, never listed
        ENTRY_COUNT = 5
    };

    static const uint8_t CONTINUE_BUTTON = 5;
    static const uint8_t CONTINUE_COLOR = 8;
    static const quillon::TextId TITLE_TEXT = 991;
    static const quillon::TextId HELP_TEXT = 735;
    static const quillon::TextId CONTINUE_TEXT = 1168;
    static const quillon::TextId PASSWORD_TEXT = 1054;
    static const uint16_t SECURITY_POPUP = 8;
    static const uint8_t POPUP_LEVEL = 1;
    static const int16_t FLAG_OFFSET = 155;
    static const int16_t FLAG_GAP = 6; // between the flag and a long language name
    static const uint16_t DATE_TIME_TEXT_SIZE = 20;
    static const uint16_t STEP_TEXT_SIZE = 15;
    static const uint32_t LANGUAGE_COUNT = 10;

    // Mask bits of the entries.
    static const uint32_t DATE_AND_TIME_BIT = 0x0001;
    static const uint32_t LANGUAGE_BIT = 0x0002;
    static const uint32_t FILLING_BIT = 0x0004;
    static const uint32_t GAS_TYPE_BIT = 0x0010;
    static const uint32_t BUILDING_TYPE_BIT = 0x0040;

    WizzardInitView();
    ~WizzardInitView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onViewModeFinished() override;
    void update() override;
    const quillon::WideChar* getHelpText() override;

    const quillon::WideChar* getText(uint32_t index) override;
    void execute(uint32_t index) override;

    const guicontrols::ButtonItem& getItem(uint32_t index) const { return items[index]; }
    const KeyboardViewMode& getKeyboardMode() const { return keyboardMode; }

private:
    void fillList();
    void updateLanguageItem();
    void keepFlagClearOfTheName();
    void updateDateTimeItem();
    void updateBuildingTypeItem();
    void updateGasTypeItem();
    void addWhenMissing(Entry entry);
    void markStep(uint32_t bit);
    void goTo(pagemanager::Page* page);
    void askSecurityQuestion();
    void onGasTypeCodeEntered();

    guicontrols::ButtonItem items[ENTRY_COUNT];
    guicontrols::NumericKeyboard keyboard;
    KeyboardViewMode keyboardMode;
    quillon::WideChar dateTimeText[DATE_TIME_TEXT_SIZE];
    quillon::WideChar stepText[STEP_TEXT_SIZE];
};

#endif
