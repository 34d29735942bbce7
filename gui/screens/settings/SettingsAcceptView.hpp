#ifndef GUI_SCREENS_SETTINGS_SETTINGSACCEPTVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSACCEPTVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "guicontrols/BottomBar.hpp"

// The frame of a settings entry screen: the default bar with the accept icon on button 5,
// which applies the edit; every other button keeps the frame's handling.
template <class P>
class SettingsAcceptView : public BaseView<P>
{
public:
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId ACCEPT_ICON = 210;

    ~SettingsAcceptView() override {}

    void setupBottomBar(guicontrols::BottomBar& bar) override
    {
        GenericView::setupBottomBar(bar);
        bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
    }

    void onBottomBarButton(int index) override
    {
        if (index == OK_BUTTON) {
            onAccept();
        } else {
            GenericView::onBottomBarButton(index);
        }
    }

protected:
    explicit SettingsAcceptView(TitleFunctor* titleFunctor) : BaseView<P>(titleFunctor) {}

    virtual void onAccept() = 0;
};

#endif
