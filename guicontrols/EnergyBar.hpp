#ifndef GUICONTROLS_ENERGYBAR_HPP
#define GUICONTROLS_ENERGYBAR_HPP

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/Image.hpp>
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

namespace guicontrols
{
// One bar of energy: up to three stacked segments rising from the bottom of a column, a
// rotated label and the value with its unit. Values are raw units (Wh or kWh); the unit
// divisor says how many make a kWh, the display divisor how many make the shown unit.
class EnergyBar : public quillon::Container
{
public:
    static const uint8_t MAX_SEGMENTS = 3;
    static const uint16_t VALUE_TEXT_SIZE = 20;

    struct Segment
    {
        uint32_t value;
        quillon::Box box;
    };

    EnergyBar();
    ~EnergyBar() override {}

    // A press reports the bar; releases and cancels do nothing.
    void onClick(const quillon::ClickEvent& event) override;

    void setSegmentCount(uint8_t count);
    uint8_t getSegmentCount() const { return segmentCount; }
    void setColumnColor(quillon::Color color) { column.box.setColor(color); }
    void setSegmentColor(quillon::Color color, uint8_t index);
    // Below 1 a divisor would make a step of 0: both are taken as at least 1.
    void setUnitDivisor(double divisor);
    double getUnitDivisor() const { return unitDivisor; }
    void setDisplayDivisor(double divisor);
    double getDisplayDivisor() const { return displayDivisor; }
    void setUnitMWh(bool on);
    bool isUnitMWh() const { return unitMWh != 0; }

    // Stores the value and lays the bar out again.
    void setSegmentValue(uint32_t value, uint8_t index);
    uint32_t getSegmentValue(uint8_t index) const { return index < MAX_SEGMENTS ? segments[index].value : 0; }
    // No layout; a maximum of 0 is taken as 1, the least a column can divide by.
    void setMaximum(uint32_t maximum);
    uint32_t getMaximum() const { return maximum; }
    uint32_t getTotal() const { return total; }
    float getDisplayedValue() const { return displayedValue; }
    float getDisplayedMaximum() const { return displayedMaximum; }

    // Segment heights from the values, then the value text; redraws the bar.
    void layoutSegments();
    // The displayed value as shown: one decimal below 100, else whole (truncated).
    void formatValue(quillon::WideChar* buffer) const;

    void setLabel(const quillon::WideChar* text);
    void setHighlightedLabel(const quillon::WideChar* text);
    const quillon::WideChar* getLabel() const { return labelText; }
    quillon::Color getLabelColor() const { return label.getColor(); }
    void setValueVisible(bool visible);
    bool isValueVisible() const { return value.isVisible(); }
    const quillon::WideChar* getValueText() const { return valueText; }

    void setClickCallback(quillon::GenericCallback<EnergyBar*>* callback) { clickCallback = callback; }

    // Read by tests and the gallery: the column and segment geometry.
    const quillon::Box& getSegmentBox(uint8_t index) const { return segments[index].box; }
    const quillon::Box& getColumnBox() const { return column.box; }
    const TextField& getValueField() const { return value; }
    const TextField& getUnitField() const { return unit; }

private:
    void refresh();
    void showLabel(const quillon::WideChar* text, quillon::Color color);

    float displayedMaximum;
    uint32_t maximum;
    uint32_t total;
    uint8_t segmentCount;
    float displayedValue;
    uint16_t columnHeight;
    uint16_t columnY;
    float unitDivisor;
    float displayDivisor;
    Segment segments[MAX_SEGMENTS];
    Segment column;
    quillon::Image image;
    uint32_t unitMWh;
    quillon::TextAreaWithOneWildcard label;
    // Value and unit stand in the strip left of the column's frame, in a font that fits it.
    TextField value;
    TextField unit;
    quillon::WideChar valueText[VALUE_TEXT_SIZE];
    const quillon::WideChar* labelText;
    quillon::GenericCallback<EnergyBar*>* clickCallback;
};
} // namespace guicontrols

#endif
