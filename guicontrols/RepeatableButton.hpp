#ifndef GUICONTROLS_REPEATABLEBUTTON_HPP
#define GUICONTROLS_REPEATABLEBUTTON_HPP

#include <quillon/Callback.hpp>
#include <quillon/widgets/Button.hpp>

#include <stdint.h>

namespace guicontrols
{
// A button that, while held, fires its repeat action: first after the initial delay, then
// every repeat interval, counting 16 ms per frame. It is a timer widget only from a press to
// its release or cancel, and only with a repeat action. The click action stays the
// framework's and is independent of the repeat action.
class RepeatableButton : public quillon::Button
{
public:
    RepeatableButton();
    // A button destroyed while held must not stay a timer widget.
    ~RepeatableButton() override;

    void onClick(const quillon::ClickEvent& event) override;
    void onTick() override;

    void setRepeatAction(quillon::GenericCallback<const RepeatableButton&>* callback) { repeatAction = callback; }
    void setInitialDelay(int32_t milliseconds) { initialDelay = milliseconds; }
    int32_t getInitialDelay() const { return initialDelay; }
    void setRepeatInterval(int32_t milliseconds) { repeatInterval = milliseconds; }
    int32_t getRepeatInterval() const { return repeatInterval; }

private:
    enum RepeatState : uint32_t
    {
        WAITING = 0,
        REPEATING = 1
    };

    quillon::GenericCallback<const RepeatableButton&>* repeatAction;
    RepeatState repeatState;
    int32_t elapsed;
    int32_t initialDelay;
    int32_t repeatInterval;
    bool ticking;
};
} // namespace guicontrols

#endif
