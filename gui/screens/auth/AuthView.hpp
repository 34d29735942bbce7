#ifndef GUI_SCREENS_AUTH_AUTHVIEW_HPP
#define GUI_SCREENS_AUTH_AUTHVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/auth/AuthPresenter.hpp"
#include "guicontrols/CustomKeyboard.hpp"

// The page the page manager shows in place of a protected one: a full keyboard and OK. A
// right password opens the pending page; a wrong one says so and offers an empty keyboard.
class AuthView : public BaseView<AuthPresenter>
{
public:
    static constexpr quillon::TextId TITLE = 1056;
    static constexpr quillon::TextId HELP = 760;
    static constexpr quillon::TextId ACCESS_DENIED = 1572;
    static constexpr uint8_t OK_BUTTON = 5;
    static constexpr quillon::BitmapId ACCEPT_ICON = 0xD2;

    AuthView();

    quillon::TextId getTitleText() override { return TITLE; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onFeedbackFinished(bool* handled) override;

    const guicontrols::CustomKeyboard& getKeyboard() const { return keyboard; }

private:
    guicontrols::CustomKeyboard keyboard;
};

#endif
