#ifndef GUICONTROLS_SCROLLBAR_HPP
#define GUICONTROLS_SCROLLBAR_HPP

#include "guicontrols/ScrollBarIndicator.hpp"

#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>

#include <stdint.h>

namespace guicontrols
{
// The bar beside a scroll area: a grey background and the indicator at a position from
// the top. The background keeps its construction size (71 x 200).
class ScrollBar : public quillon::Container
{
public:
    ScrollBar();
    ~ScrollBar() override {}

    uint8_t getIndicatorPosition() const { return position; }
    // Moves the indicator and redraws the bar.
    void setIndicatorPosition(uint8_t p);
    // The largest indicator position: bar height less indicator height, never below 0.
    uint16_t getRange() const;
    // No redraw.
    virtual void setIndicatorLength(uint8_t length) { indicator.setHeight(length); }
    int16_t getIndicatorLength() const { return indicator.getHeight(); }

private:
    quillon::Box background;
    uint8_t position;
    ScrollBarIndicator indicator;
};
} // namespace guicontrols

#endif
