#include <quillon/widgets/AbstractButton.hpp>

namespace quillon
{
// A cancel (the finger slid off) releases without firing; so does a release without a press.
void AbstractButton::onClick(const ClickEvent& event)
{
    const bool wasPressed = pressed;
    pressed = event.getType() == ClickEvent::PRESSED;
    if (pressed != wasPressed) {
        invalidate();
    }
    if (wasPressed && event.getType() == ClickEvent::RELEASED && action != nullptr && action->isValid()) {
        action->execute(*this);
    }
}
} // namespace quillon
