#ifndef GUICONTROLS_ENERGYCOCKPITTEMPERATUREWITHPOINTER_HPP
#define GUICONTROLS_ENERGYCOCKPITTEMPERATUREWITHPOINTER_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/Widget.hpp>
#include <quillon/hal/Types.hpp>

namespace guicontrols
{
// A small pointer with a temperature text to its right, set beside a tank. Only as wide as
// the pointer until the screen widens it for the text.
class EnergyCockpitTemperatureWithPointer : public quillon::Widget
{
public:
    EnergyCockpitTemperatureWithPointer();
    ~EnergyCockpitTemperatureWithPointer() override {}

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    // Kept, not copied: the screen rewrites it and invalidates the gadget.
    void setText(const quillon::WideChar* text) { this->text = text; }

    // Own coordinates: right of the pointer with a gap of 5.
    quillon::Rectangle textBox() const;

private:
    const quillon::WideChar* text;
    quillon::Bitmap pointer;
};
} // namespace guicontrols

#endif
