#ifndef GUI_SCREENS_SETTINGS_BASEPASSWORDVIEW_HPP
#define GUI_SCREENS_SETTINGS_BASEPASSWORDVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/BasePasswordPresenter.hpp"
#include "gui/pagemanager/IPasswordStorage.hpp"
#include "guicontrols/CustomKeyboard.hpp"

#include <stdint.h>

// Two steps on the full keyboard: the old password, checked against one stored password
// without regard to case, then the new one, stored after a question. The typed characters
// show; a wrong old password may be retried without limit.
class BasePasswordView : public BaseView<BasePasswordPresenter>
{
public:
    static constexpr uint8_t OK_BUTTON = 5;
    static constexpr uint8_t MAX_LENGTH = 16;
    static constexpr uint8_t YES = 1;
    static constexpr quillon::TextId OLD_PASSWORD = 815;
    static constexpr quillon::TextId NEW_PASSWORD = 1045;
    static constexpr quillon::TextId ACCESS_DENIED = 1572;
    static constexpr quillon::TextId QUESTION = 1178;

    BasePasswordView();
    ~BasePasswordView() override {}

    quillon::TextId getTitleText() override { return step == 0 ? OLD_PASSWORD : NEW_PASSWORD; }
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onFeedbackFinished(bool* handled) override { (void)handled; } // back to the keyboard
    void onConfirmFinished(uint8_t result, bool* handled) override;

    uint32_t getStep() const { return step; }
    const guicontrols::CustomKeyboard& getKeyboard() const { return keyboard; }

protected:
    // OK of a changing screen: the old password at the level, then the question.
    void acceptEntry(int32_t accessLevel);
    // The check of step 0; says "Access denied" when wrong.
    bool checkOldPassword(int32_t accessLevel);
    void showNewPasswordStep();
    void askToChange();
    // A changing screen's OK at its level; other buttons as everywhere.
    void onChangeButton(int index, int32_t accessLevel);
    // "Yes" stores the typed text as the selected password and goes back; "No" stays.
    void confirmChange(uint8_t result, bool* handled, uint8_t selector);

    guicontrols::CustomKeyboard keyboard;
    uint32_t step;
};

#endif
