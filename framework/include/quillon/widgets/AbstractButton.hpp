#ifndef QUILLON_WIDGETS_ABSTRACTBUTTON_HPP
#define QUILLON_WIDGETS_ABSTRACTBUTTON_HPP

#include <quillon/Callback.hpp>
#include <quillon/Widget.hpp>

namespace quillon
{
// The touch-state machine of every button: pressed from a press until its release or cancel;
// the action fires on a release that follows a press. Drawing is left to the derived button.
class AbstractButton : public Widget
{
public:
    AbstractButton() : action(nullptr), pressed(false) { setTouchable(true); }

    void onClick(const ClickEvent& event) override;
    uint16_t getType() const override { return 2; }

    // Keeps a pointer: the callback object stays the caller's and must outlive the button.
    void setAction(GenericCallback<const AbstractButton&>& callback) { action = &callback; }
    virtual bool getPressedState() const { return pressed; }

protected:
    GenericCallback<const AbstractButton&>* action;
    bool pressed;
};
} // namespace quillon

#endif
