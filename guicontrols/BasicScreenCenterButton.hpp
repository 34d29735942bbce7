#ifndef GUICONTROLS_BASICSCREENCENTERBUTTON_HPP
#define GUICONTROLS_BASICSCREENCENTERBUTTON_HPP

#include <quillon/widgets/Button.hpp>

#include <stdint.h>

namespace guicontrols
{
// The heating-circuit selector of the home screen's top bar: "Heating circuit" followed by
// the numbers of the available circuits, the selected one highlighted. A click steps the
// selection to the next available circuit before the action fires. No setter redraws.
class BasicScreenCenterButton : public quillon::Button
{
public:
    BasicScreenCenterButton();

    void draw(const quillon::Rectangle& area) const override;
    void onClick(const quillon::ClickEvent& event) override;

    void setCircuits(bool circuit1, bool circuit2, bool circuit3);
    bool isCircuit1Available() const { return (available & 1) != 0; }
    bool isCircuit2Available() const { return (available & 2) != 0; }
    bool isCircuit3Available() const { return (available & 4) != 0; }
    bool isCircuit1Selected() const { return selected == 1; }
    bool isCircuit2Selected() const { return selected == 2; }
    bool isCircuit3Selected() const { return selected == 3; }
    // Index 0..2.
    void selectCircuit(uint8_t index) { selected = static_cast<uint8_t>(index + 1); }
    // Index 0..2; 0 also when none is selected.
    uint8_t getSelectedCircuit() const { return selected >= 1 && selected <= 3 ? static_cast<uint8_t>(selected - 1) : 0; }

private:
    static const uint8_t CIRCUITS = 3;
    static const uint8_t NUMBER_UNITS = 5;

    void selectNextCircuit();

    quillon::WideChar numbers[CIRCUITS][NUMBER_UNITS];
    uint8_t available; // bit 0 circuit 1 .. bit 2 circuit 3
    uint8_t selected;  // 1..3, 0 none
    uint8_t availableCount;
};
} // namespace guicontrols

#endif
