#ifndef GUICONTROLS_ENERGYCOCKPITBUFFERLOAD_HPP
#define GUICONTROLS_ENERGYCOCKPITBUFFERLOAD_HPP

#include <quillon/Widget.hpp>
#include <quillon/hal/Types.hpp>

namespace guicontrols
{
// The buffer's charge-state gauge: a framed black box with the caption "Charge state" above
// the charge text.
class EnergyCockpitBufferLoad : public quillon::Widget
{
public:
    static const int16_t WIDTH = 165;
    static const int16_t HEIGHT = 80;
    static const int16_t BORDER = 3;

    EnergyCockpitBufferLoad();
    ~EnergyCockpitBufferLoad() override {}

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    // Kept, not copied: the screen rewrites it and invalidates the gauge.
    void setChargeState(const quillon::WideChar* text) { chargeText = text; }

    // Own coordinates.
    static quillon::Rectangle captionBand();
    static quillon::Rectangle chargeBand();

private:
    const quillon::WideChar* chargeText;
};
} // namespace guicontrols

#endif
