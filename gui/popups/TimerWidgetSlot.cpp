#include "gui/popups/TimerWidgetSlot.hpp"

#include <quillon/Application.hpp>

void TimerWidgetSlot::start()
{
    stop();
    quillon::Application* application = quillon::Application::getInstance();
    if (application != nullptr) {
        application->addTimerWidget(&owner);
        registered = true;
    }
}

void TimerWidgetSlot::stop()
{
    quillon::Application* application = quillon::Application::getInstance();
    // A page switch may have dropped every timer widget already: removing an entry that is
    // gone changes nothing.
    if (registered && application != nullptr) {
        application->removeTimerWidget(&owner);
    }
    registered = false;
}
