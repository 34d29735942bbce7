#include "gui/screens/heating/HeatingCurveView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/Font.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 962;   // "Heating curve"
const quillon::TextId TEXT_HELP = 728;
const quillon::TextId TEXT_SLOPE = 1043;
const quillon::TextId TEXT_SHIFT = 1047;
const quillon::TextId TEXT_OUTSIDE = 827; // "Outside temperature"
const quillon::TextId TEXT_SUPPLY = 1155; // "Supply temperature"
const quillon::TextId TEXT_SLOPE_VALUE = 22; // "%s", centred, a smaller font
const uint8_t CAPTION_COLOR = 11;
const int16_t SLOPE_X = 615;
const int16_t LEVEL_X = 715;
const int16_t CAPTION_WIDTH = LEVEL_X - SLOPE_X - 4;
const int16_t BOXES_Y = 64;
const int16_t DIAGRAM_X = 40;
const int16_t DIAGRAM_Y = 64;
} // namespace

HeatingCurveView::HeatingCurveView()
    : BaseView<HeatingCurvePresenter>(&Functors::getInstance().heating),
      slopeCallback(this, &HeatingCurveView::onSlopeChanged),
      levelCallback(this, &HeatingCurveView::onLevelChanged)
{
}

quillon::TextId HeatingCurveView::getTitleText()
{
    return TEXT_TITLE;
}

const quillon::WideChar* HeatingCurveView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void HeatingCurveView::setupContent(guicontrols::Content& area)
{
    slopeBox.setXY(SLOPE_X, BOXES_Y);
    slopeBox.setValueType(guicontrols::SpinBox::FLOAT_VALUE);
    slopeBox.setFloatValueCallback(&slopeCallback);
    slopeBox.setFloatMinimum(presenter->getSlopeMin());
    slopeBox.setFloatMaximum(presenter->getSlopeMax());
    slopeBox.setWrapAround(false);
    slopeBox.setFloatValue(presenter->getSlope());
    // In the box's own 46-px font "1.4" fills the box from edge to edge.
    slopeBox.setTypedText(quillon::TypedText(TEXT_SLOPE_VALUE));
    area.add(slopeBox);

    levelBox.setXY(LEVEL_X, BOXES_Y);
    levelBox.setValueType(guicontrols::SpinBox::INTEGER_VALUE);
    levelBox.setValueCallback(&levelCallback);
    levelBox.setMinimum(presenter->getLevelMin());
    levelBox.setMaximum(presenter->getLevelMax());
    levelBox.setWrapAround(false);
    levelBox.setValue(presenter->getLevel());
    area.add(levelBox);

    placeCaption(slopeCaption, TEXT_SLOPE, slopeBox);
    placeCaption(levelCaption, TEXT_SHIFT, levelBox);
    area.add(slopeCaption);
    area.add(levelCaption);

    diagram.setXY(DIAGRAM_X, DIAGRAM_Y);
    area.add(diagram);
    diagram.setFlowAxisLabels(0);
    diagram.setSlope(presenter->getSlope(), 0);
    diagram.setLevel(presenter->getLevel(), 0);
    diagram.setRoomSetpoint(presenter->getRoomSetpoint(), 0);
    diagram.updateDiagram();

    placeText(outsideCaption, TEXT_OUTSIDE, 0, 0);
    placeText(outsideCaption, TEXT_OUTSIDE,
              static_cast<int16_t>(area.getWidth() * 2 / 3 - outsideCaption.getWidth()),
              static_cast<int16_t>(area.getHeight() - outsideCaption.getHeight() - 15));
    placeText(supplyCaption, TEXT_SUPPLY, static_cast<int16_t>(DIAGRAM_X + 55), 20);
    area.add(outsideCaption);
    area.add(supplyCaption);
}

void HeatingCurveView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(CONFIRM_BUTTON, CONFIRM_ICON);
}

void HeatingCurveView::onBottomBarButton(int index)
{
    if (index != CONFIRM_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    // The page changes on a later frame; the writes go out now.
    if (pageManager != nullptr) {
        pageManager->back();
    }
    presenter->setLevel(static_cast<int8_t>(levelBox.getValue()));
    presenter->setSlope(slopeBox.getFloatValue());
}

void HeatingCurveView::onSlopeChanged(const float& slope)
{
    diagram.setSlope(slope, 1);
}

void HeatingCurveView::onLevelChanged(const int& level)
{
    diagram.setLevel(level, 1);
}

void HeatingCurveView::placeCaption(guicontrols::TextField& caption, quillon::TextId text,
                                    const guicontrols::SpinBox& box)
{
    // Centred above its box in a column of its own, so a long caption shows as too wide for
    // its field instead of running into its neighbour.
    placeText(caption, text, 0, 0);
    caption.setAlignment(1);
    caption.setVerticalAlignment(0);
    caption.setPosition(static_cast<int16_t>(box.getX() + box.getWidth() / 2 - CAPTION_WIDTH / 2),
                        static_cast<int16_t>(box.getY() - caption.getHeight() - 5), CAPTION_WIDTH,
                        caption.getHeight());
}

void HeatingCurveView::placeText(guicontrols::TextField& field, quillon::TextId text, int16_t x, int16_t y)
{
    field.setTextId(quillon::TypedText(text));
    field.setColor(guicontrols::Palette::entry(CAPTION_COLOR));
    const quillon::Font* font = field.getFont();
    const int16_t width = font != nullptr ? font->getStringWidth(field.getText()) : 0;
    field.setPosition(x, y, width, static_cast<int16_t>(field.getTextHeight()));
}
