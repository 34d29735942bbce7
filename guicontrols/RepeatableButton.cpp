#include "guicontrols/RepeatableButton.hpp"

#include <quillon/Application.hpp>

namespace guicontrols
{
namespace
{
// Every frame counts as 16 ms, whatever the real frame period.
const int32_t MILLISECONDS_PER_TICK = 16;
} // namespace

RepeatableButton::RepeatableButton()
    : repeatAction(nullptr), repeatState(WAITING), elapsed(0), initialDelay(100), repeatInterval(25), ticking(false)
{
}

RepeatableButton::~RepeatableButton()
{
    quillon::Application* application = quillon::Application::getInstance();
    if (ticking && application != nullptr) {
        application->removeTimerWidget(this);
    }
}

void RepeatableButton::onClick(const quillon::ClickEvent& event)
{
    quillon::Button::onClick(event);
    quillon::Application* application = quillon::Application::getInstance();
    if (repeatAction == nullptr || application == nullptr) {
        return;
    }
    if (event.getType() == quillon::ClickEvent::PRESSED) {
        repeatState = WAITING;
        elapsed = 0;
        // One registration per hold. A page switch may have dropped every timer widget
        // behind our back; removing first keeps the count right either way.
        if (ticking) {
            application->removeTimerWidget(this);
        }
        application->addTimerWidget(this);
        ticking = true;
    } else if (ticking) {
        application->removeTimerWidget(this);
        ticking = false;
    }
}

void RepeatableButton::onTick()
{
    if (!ticking) {
        return;
    }
    elapsed += MILLISECONDS_PER_TICK;
    if (repeatState == WAITING) {
        if (elapsed >= initialDelay) {
            elapsed = 0;
            repeatState = REPEATING;
        }
        return;
    }
    if (elapsed >= repeatInterval) {
        if (repeatAction != nullptr && repeatAction->isValid()) {
            repeatAction->execute(*this);
        }
        elapsed = 0;
    }
}
} // namespace guicontrols
