#ifndef GUI_COMMON_KEYBOARDVIEWMODE_HPP
#define GUI_COMMON_KEYBOARDVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "guicontrols/CustomKeyboard.hpp"
#include "guicontrols/GenericKeyboard.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace pagemanager
{
class PageManager;
}

// A screen turned into a text entry: a title, a keyboard over the whole content, cancel (1),
// accept (5) and home (0). The owner reads isAccepted() and getText() when the mode ends.
// Call setKeyboard first, then setText and setMaxLength, which act on the keyboard in use.
class KeyboardViewMode : public IViewMode
{
public:
    static const uint16_t SAVED_CAPACITY = 50;
    static const uint8_t HOME_BUTTON = 0;
    static const uint8_t CANCEL_BUTTON = 1;
    static const uint8_t SERVICE_NOTICE_BUTTON = 3;
    static const uint8_t ACCEPT_BUTTON = 5;

    explicit KeyboardViewMode(IView& owner);

    void setKeyboard(guicontrols::GenericKeyboard* keyboardInUse);
    // The check handed to the keyboard on accept.
    void setValidator(uint32_t checkMode) { inputCheckMode = checkMode; }
    // The caller's text, shown as long as the mode is.
    void setTitle(const quillon::WideChar* title);
    // Kept (cut to 49 characters) to come back on cancel, and handed to the keyboard, which
    // refuses a text longer than its maximum length.
    void setText(const quillon::WideChar* text);
    const quillon::WideChar* getText() const { return keyboard->getText(); }
    void setMaxLength(uint8_t length) { keyboard->setMaxLength(length); }
    bool isAccepted() const { return accepted; }

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override {}

    const guicontrols::GenericKeyboard& getKeyboard() const { return *keyboard; }
    const quillon::WideChar* getSavedText() const { return savedText; }
    const guicontrols::TextField& getTitleField() const { return titleField; }

private:
    IView* modeOwner;
    quillon::WideChar savedText[SAVED_CAPACITY];
    guicontrols::TextField titleField;
    guicontrols::GenericKeyboard* keyboard;
    guicontrols::CustomKeyboard defaultKeyboard;
    uint32_t inputCheckMode;
    bool accepted;
};

#endif
