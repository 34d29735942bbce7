#ifndef GUI_POPUPS_POPUPCONTAINER_HPP
#define GUI_POPUPS_POPUPCONTAINER_HPP

#include "gui/popups/IPopupFactory.hpp"

#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>

class Popup;
class PopupSystem;

// The overlay of a screen: added last over its bars and content, it dims the screen and
// shows the popup on top of the manager's stack. While shown it takes every touch, so
// popups are modal. Ticked every frame as a timer widget of the application.
class PopupContainer : public quillon::Container
{
public:
    static const uint8_t DIMMER_PALETTE_ENTRY = 6;
    static const uint8_t DIMMER_ALPHA = 204;

    // With the popups of the default factory.
    explicit PopupContainer(PopupSystem& system);
    PopupContainer(PopupSystem& system, IPopupFactory& factory);
    ~PopupContainer() override;

    // The factory every container built without one uses; null restores the application's.
    static void setDefaultFactory(IPopupFactory* factory);

    void setPosition(int16_t x, int16_t y, int16_t width, int16_t height) override;
    void onTick() override { tick(); }

    // Takes effect at the next update.
    void setEnabled(bool on) { enabled = on; }
    // Brings the container in line with the manager now.
    void update();
    void tick();

    Popup* getCurrentPopup() const { return currentPopup; }

private:
    static IPopupFactory& defaultFactory();
    void show();
    void showPopup(Popup* popup, uint8_t raise);
    void hide();

    quillon::Box dimmer;
    PopupSystem& popupSystem;
    IPopupFactory* popupFactory;
    Popup* currentPopup;
    uint8_t currentRaise; // the manager's raise count of the id when the popup was bound
    bool enabled;
};

#endif
