#ifndef GUICONTROLS_WATERTANKGADGETWITHLABELS_HPP
#define GUICONTROLS_WATERTANKGADGETWITHLABELS_HPP

#include "guicontrols/WaterTankGadget.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// The tank with level markers and their texts on its right and a column of texts on its
// left. The texts are the screen's: kept alive and rewritten in place by it. The gadget
// reaches from its column texts to the end of its marker texts, so that a redraw of it
// covers them; the tank stands getTankX() from its left edge.
class WaterTankGadgetWithLabels : public WaterTankGadget
{
public:
    static const uint8_t MAX_MARKERS = 5;
    static const uint8_t MAX_COLUMN_TEXTS = 3;
    static const int16_t MARKER_X = 190;
    static const int16_t MARKER_TEXT_WIDTH = 100;
    static const int16_t MARKER_TEXT_END = MARKER_X + 36 + 5 + MARKER_TEXT_WIDTH; // from the tank's left edge

    explicit WaterTankGadgetWithLabels(WaterTankDataProvider* provider);

    void draw(const quillon::Rectangle& area) const override;

    void setFiveMarkerLayout();
    void setFourMarkerLayout();
    uint8_t getMarkerLabelCount() const { return markerCount; }
    uint8_t getColumnLabelCount() const { return columnCount; }
    void setMarkerLabel(const quillon::WideChar* text, uint8_t index);
    void setColumnLabel(const quillon::WideChar* text, uint8_t index);

    // Gadget coordinates (x from the tank's left edge): the top row of marker m, the box of its text, the first column box.
    int16_t markerRow(uint8_t marker) const;
    quillon::Rectangle markerTextBox(uint8_t marker) const;
    quillon::Rectangle firstColumnBox() const;
    int16_t columnSpacing() const;

private:
    void drawMarker(uint8_t marker, const quillon::Rectangle& area) const;
    void drawColumnTexts(const quillon::Rectangle& area) const;
    // A black text box over the side pieces, whose pipes are drawn again on it.
    void fillBox(const quillon::Rectangle& box, const quillon::Rectangle& area) const;

    uint8_t markerCount;
    uint8_t columnCount;
    quillon::Bitmap markerBitmap;
    const quillon::WideChar* markerTexts[MAX_MARKERS];
    const quillon::WideChar* columnTexts[MAX_COLUMN_TEXTS];
};
} // namespace guicontrols

#endif
