#include "gui/popups/PopupContainer.hpp"

#include "gui/popups/Popup.hpp"
#include "gui/popups/PopupFactory.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/Application.hpp>

namespace
{
IPopupFactory* chosenFactory = nullptr;
} // namespace

void PopupContainer::setDefaultFactory(IPopupFactory* factory)
{
    chosenFactory = factory;
}

IPopupFactory& PopupContainer::defaultFactory()
{
    // The application's popups are built when the first container asks for them.
    return chosenFactory != nullptr ? *chosenFactory : *PopupFactory::getInstance();
}

PopupContainer::PopupContainer(PopupSystem& system) : PopupContainer(system, defaultFactory())
{
}

PopupContainer::PopupContainer(PopupSystem& system, IPopupFactory& factory)
    : dimmer(), popupSystem(system), popupFactory(&factory), currentPopup(nullptr), currentRaise(0),
      enabled(true)
{
    dimmer.setColor(guicontrols::Palette::entry(DIMMER_PALETTE_ENTRY));
    dimmer.setAlpha(DIMMER_ALPHA);
    add(dimmer);
    setVisible(false);
    setTouchable(false);
    quillon::Application* application = quillon::Application::getInstance();
    if (application != nullptr) {
        application->addTimerWidget(this);
    }
}

PopupContainer::~PopupContainer()
{
    // The page switch has usually dropped every timer widget already; this only matters for
    // a container that goes otherwise, which must not be ticked after it is gone.
    quillon::Application* application = quillon::Application::getInstance();
    if (application != nullptr) {
        application->removeTimerWidget(this);
    }
    if (currentPopup != nullptr) {
        remove(*currentPopup);
    }
}

void PopupContainer::setPosition(int16_t x, int16_t y, int16_t width, int16_t height)
{
    quillon::Container::setPosition(x, y, width, height);
    guicontrols::Frame::fill(*this, dimmer);
}

void PopupContainer::tick()
{
    PopupData& data = popupSystem.getData();
    data.pollBoardStates();
    data.applyChanges();
    if (popupSystem.getManager().hasChanged()) {
        update();
    }
    if (currentPopup != nullptr) {
        currentPopup->update(data);
    }
}

void PopupContainer::update()
{
    PopupManager& manager = popupSystem.getManager();
    if (enabled && manager.hasPopups()) {
        show();
        const uint16_t id = manager.getCurrent();
        showPopup(popupFactory->getPopup(id), manager.getRaiseCount(id));
    } else {
        hide();
    }
}

void PopupContainer::show()
{
    if (isVisible()) {
        return;
    }
    setVisible(true);
    setTouchable(true);
    invalidate();
}

void PopupContainer::showPopup(Popup* popup, uint8_t raise)
{
    if (popup == nullptr) {
        return;
    }
    if (popup == currentPopup) {
        if (raise != currentRaise) {
            // Closed and raised again since the last update: it starts anew, as a wink that
            // closed itself must count its time again. It is still on screen: only what the
            // binding changes redraws, as when it was raised the first time.
            currentRaise = raise;
            popup->bind(popupSystem.getData());
        }
        return;
    }
    if (currentPopup != nullptr) {
        remove(*currentPopup);
        invalidate(); // what the old popup covered shows the dimmed screen again
    }
    if (!contains(*popup)) {
        PopupLayout::remeasureLabels(*popup);
        popup->bind(popupSystem.getData());
        popup->setPopupManager(&popupSystem.getManager());
        guicontrols::Frame::center(*this, *popup);
        add(*popup);
    }
    currentPopup = popup;
    currentRaise = raise;
    popup->invalidate();
}

void PopupContainer::hide()
{
    if (!isVisible()) {
        return;
    }
    if (currentPopup != nullptr) {
        remove(*currentPopup);
        currentPopup = nullptr;
    }
    setVisible(false);
    setTouchable(false);
    // After the flag: an invalidation outside a frame draws at once, and must not draw us.
    invalidate();
}
