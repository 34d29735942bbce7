#ifndef GUICONTROLS_CONTENT_HPP
#define GUICONTROLS_CONTENT_HPP

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>

#include <stdint.h>

namespace guicontrols
{
// The black area between the bars into which a screen puts its widgets. Paged content
// widens it past the display and moves it left; the change callback lets the screen frame
// follow (it rebuilds the bottom bar).
class Content : public quillon::Container
{
public:
    Content(int16_t x, int16_t y, int16_t width, int16_t height);
    ~Content() override {}

    // Both run the change callback after storing.
    void setX(int16_t x) override;
    void setWidth(int16_t width) override;

    void setChangeCallback(quillon::GenericCallback<>& callback) { changeCallback = &callback; }

    // Drops the screen's children, restores the width given at construction (the change
    // callback runs once), puts x back to 0 and invalidates the whole area.
    void reset();

private:
    void notifyChange();

    int16_t initialWidth;
    quillon::Box background;
    quillon::GenericCallback<>* changeCallback;
};
} // namespace guicontrols

#endif
