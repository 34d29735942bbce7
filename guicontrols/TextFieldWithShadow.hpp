#ifndef GUICONTROLS_TEXTFIELDWITHSHADOW_HPP
#define GUICONTROLS_TEXTFIELDWITHSHADOW_HPP

#include "guicontrols/TextField.hpp"

namespace guicontrols
{
// A text field that also paints a mirrored shadow of a band of frame-buffer rows: the rows
// startRow .. startRow + rowCount - 1, flipped, gap rows below the band, in the shadow
// colour and only onto black pixels. Rows are display rows, not the field's.
class TextFieldWithShadow : public TextField
{
public:
    TextFieldWithShadow();

    void draw(const quillon::Rectangle& area) const override;

    void setShadowVisible(bool visible) { shadowVisible = visible; }
    void setShadowArea(uint16_t startRow, uint16_t rowCount, uint16_t gap);

private:
    void drawShadow(const quillon::Rectangle& area) const;

    bool shadowVisible;
    quillon::Color shadowColor;
    uint16_t gap;
    uint16_t startRow;
    uint16_t rowCount;
};
} // namespace guicontrols

#endif
