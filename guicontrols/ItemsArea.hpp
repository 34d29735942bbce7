#ifndef GUICONTROLS_ITEMSAREA_HPP
#define GUICONTROLS_ITEMSAREA_HPP

#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// The part of a scroll area that holds and moves the items; they are drawn clipped to it
// and always take its width.
class ItemsArea : public quillon::Container
{
public:
    ~ItemsArea() override {}

    void setPosition(int16_t x, int16_t y, int16_t width, int16_t height) override;
    void setWidth(int16_t width) override;

    // Moves every item, redrawing its old and new place.
    void scrollBy(int16_t dy) { moveChildrenRelative(0, dy); }

private:
    void widenChildren();
};
} // namespace guicontrols

#endif
