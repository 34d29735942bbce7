#include "gui/screens/energy/BufferLoadView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/TextWrap.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

using quillon::Bitmap;
using quillon::TypedText;

namespace
{
const quillon::TextId TEXT_TITLE = 1022;       // "Charge state"
const quillon::TextId TEXT_ONE_TIME_CHARGE = 909;
const quillon::TextId TEXT_FIELD_FONT = 0;
const quillon::TextId TEXT_HELP_PLAIN = 740;
const quillon::TextId TEXT_HELP_TWO_ZONES = 741;
const quillon::TextId TEXT_HELP_THREE_ZONES = 742;
const quillon::FontId LABEL_MEASURE_FONT = 2;
const uint16_t LABEL_WRAP_WIDTH = 170;
const uint8_t LABEL_LINES = 2;
const int16_t LABEL_WIDTH = 180;
const int16_t FIELD_WIDTH = 120;
const uint8_t WHITE = 11;
const uint8_t TEMPERATURE_COLOUR = 8;

const quillon::BitmapId SOLAR_ARROWS_FIRST = 37;
const quillon::BitmapId SOLAR_ARROWS_LAST = 40;
const quillon::BitmapId BOILER_ARROWS_FIRST = 32;
const quillon::BitmapId BOILER_ARROWS_LAST = 35;
const quillon::BitmapId SUN = 177;
const quillon::BitmapId FLAME = 155;
const quillon::BitmapId BOILER_ON_CYLINDER = 31;
const quillon::BitmapId CYLINDER = 30;
const quillon::BitmapId BUTTON_RELEASED = 19;
const quillon::BitmapId BUTTON_PRESSED = 21;
const quillon::BitmapId ICON_CHARGE = 146;

const uint8_t BOILER_WITH_ZONES = 4;
const uint8_t BOILER_ON_CYLINDER_VARIANT = 2;
const uint8_t BOILER_ON_CYLINDER_SOLAR = 3;
const uint8_t SINGLE_BUFFER = 1;
const uint8_t CYLINDER_TYPE_ZONES = 4;

// Elements of the calculated temperatures, marker i reading position (count - 1 - i).
const uint8_t FIVE_MARKERS[5] = {8, 7, 4, 1, 0};
const uint8_t FOUR_MARKERS[4] = {7, 5, 3, 0};

const int16_t SUN_X = 30;
const int16_t SUN_Y = 220;
const int16_t TANK_BEYOND_SUN = 180;
const int16_t STORE_Y = 50;
const int16_t PICTURE_Y = 20;
const int16_t SMALL_GAP = 5;
const int16_t ARROWS_BESIDE_STORE = 50;
const int16_t ARROWS_BELOW_STORE_TOP = 10;
const int16_t FLAME_GAP = 20;
const int16_t BUTTON_RIGHT_OF_ARROWS = 35;
const int16_t BUTTON_BELOW_ARROWS = 50;
const int16_t LABEL_BELOW_BUTTON = 15;
const int16_t FIELD_GAP = 10;

int16_t rightEdge(const quillon::Drawable& d)
{
    return static_cast<int16_t>(d.getX() + d.getWidth());
}

int16_t bottomEdge(const quillon::Drawable& d)
{
    return static_cast<int16_t>(d.getY() + d.getHeight());
}

// y that centres a drawable of height on a row of another.
int16_t centredOn(const quillon::Drawable& row, int16_t height)
{
    return static_cast<int16_t>(row.getY() + (row.getHeight() - height) / 2);
}
} // namespace

BufferLoadView::BufferLoadView()
    : BaseView<BufferLoadPresenter>(&Functors::getInstance().plain),
      buttonCallback(this, &BufferLoadView::onButtonClicked),
      solarArrows(SOLAR_ARROWS_FIRST, SOLAR_ARROWS_LAST),
      boilerArrows(BOILER_ARROWS_FIRST, BOILER_ARROWS_LAST),
      sun(Bitmap(SUN)),
      flame(Bitmap(FLAME)),
      tank(&tankProvider),
      chargeLabelText(),
      texts(),
      markerCount(0),
      columnCount(0),
      markerTable(nullptr)
{
    chargeButton.setBitmaps(Bitmap(BUTTON_RELEASED), Bitmap(BUTTON_PRESSED));
    chargeButton.setIcon(Bitmap(ICON_CHARGE));
    chargeButton.setAction(buttonCallback);

    const quillon::Font* labelFont = TypedText(TEXT_ONE_TIME_CHARGE).getFont();
    helpers::wrapText(chargeLabelText, CHARGE_LABEL_UNITS, TypedText(TEXT_ONE_TIME_CHARGE).getText(),
                      helpers::TextWrapSpec(LABEL_WRAP_WIDTH, ApplicationFontProvider().getFont(LABEL_MEASURE_FONT),
                                            LABEL_LINES));
    chargeLabel.setText(chargeLabelText, labelFont);
    chargeLabel.setColor(guicontrols::Palette::entry(WHITE));
    chargeLabel.setAlignment(quillon::CENTER);
    chargeLabel.setVerticalAlignment(1);
    chargeLabel.setWidth(LABEL_WIDTH);
    chargeLabel.setHeight(static_cast<int16_t>(2 * labelFont->getFullHeight()));

    const quillon::Font* fieldFont = TypedText(TEXT_FIELD_FONT).getFont();
    guicontrols::TextField* fields[] = {&upperField, &lowerField};
    for (uint8_t i = 0; i < 2; ++i) {
        fields[i]->setText(texts[i], fieldFont);
        fields[i]->setColor(guicontrols::Palette::entry(TEMPERATURE_COLOUR));
        fields[i]->setAlignment(quillon::CENTER);
        fields[i]->setVerticalAlignment(1);
        fields[i]->setWidth(FIELD_WIDTH);
        fields[i]->setHeight(static_cast<int16_t>(fieldFont->getFullHeight()));
    }
    upperPointer.setText(texts[0]);
    lowerPointer.setText(texts[1]);
    upperPointer.setWidth(FIELD_WIDTH);
    lowerPointer.setWidth(FIELD_WIDTH);
}

quillon::TextId BufferLoadView::getTitleText()
{
    return TEXT_TITLE;
}

const quillon::WideChar* BufferLoadView::getHelpText()
{
    if (presenter->getBoilerVariant() == BOILER_WITH_ZONES) {
        return TypedText(TEXT_HELP_THREE_ZONES).getText();
    }
    return TypedText(presenter->getCylinderType() == CYLINDER_TYPE_ZONES ? TEXT_HELP_TWO_ZONES : TEXT_HELP_PLAIN).getText();
}

void BufferLoadView::setupContent(guicontrols::Content& area)
{
    area.reset();
    // Arrows the new picture leaves out must not keep running unseen.
    solarArrows.stopAnimation();
    boilerArrows.stopAnimation();
    markerCount = 0;
    columnCount = 0;
    markerTable = nullptr;
    const uint8_t variant = presenter->getBoilerVariant();
    if (variant == BOILER_WITH_ZONES) {
        buildLabelledTank(area, true);
    } else if (variant == BOILER_ON_CYLINDER_VARIANT || variant == BOILER_ON_CYLINDER_SOLAR) {
        buildBoilerOnCylinder(area, variant == BOILER_ON_CYLINDER_SOLAR);
    } else {
        const uint8_t type = presenter->getCylinderType();
        if (type == CYLINDER_TYPE_ZONES) {
            buildLabelledTank(area, false);
        } else {
            buildBuffer(area, type != SINGLE_BUFFER);
        }
    }
    updateGadgets();
    area.invalidate();
}

void BufferLoadView::buildLabelledTank(guicontrols::Content& area, bool threeZones)
{
    placeSunBeside(area);
    if (threeZones) {
        tank.setFiveMarkerLayout();
        markerTable = FIVE_MARKERS;
    } else {
        tank.setFourMarkerLayout();
        markerTable = FOUR_MARKERS;
    }
    markerCount = tank.getMarkerLabelCount();
    columnCount = tank.getColumnLabelCount();
    // The gadget reaches left over its column texts: the tank itself stands at the place.
    const int16_t tankX = static_cast<int16_t>(rightEdge(sun) + TANK_BEYOND_SUN);
    tank.setXY(static_cast<int16_t>(tankX - tank.getTankX()), STORE_Y);
    area.add(tank);
    const int16_t tankRight = static_cast<int16_t>(tankX + guicontrols::WaterTankGadget::GADGET_WIDTH);
    placeBoilerRow(area, static_cast<int16_t>(tankRight + ARROWS_BESIDE_STORE),
                   static_cast<int16_t>(tank.getY() + ARROWS_BELOW_STORE_TOP), FLAME_GAP);
}

void BufferLoadView::buildBoilerOnCylinder(guicontrols::Content& area, bool withSolar)
{
    setPicture(area, BOILER_ON_CYLINDER);
    const int16_t width = area.getWidth();
    const int16_t pictureX = withSolar ? static_cast<int16_t>((width / 6) * 4 - picture.getWidth() / 2)
                                       : static_cast<int16_t>(width / 2 - picture.getWidth() / 2);
    picture.setXY(pictureX, PICTURE_Y);
    const int16_t height = picture.getHeight();
    placeChargeButton(area, static_cast<int16_t>(width / 6), static_cast<int16_t>(picture.getY() + height / 2));
    const int16_t fieldX = static_cast<int16_t>(rightEdge(picture) + FIELD_GAP);
    int16_t arrowsY = 0;
    if (withSolar) {
        placeTemperatureField(area, upperField, fieldX, static_cast<int16_t>(picture.getY() + (height / 10) * 5), texts[0]);
        placeTemperatureField(area, lowerField, fieldX, static_cast<int16_t>(picture.getY() + (height / 10) * 9), texts[1]);
        arrowsY = static_cast<int16_t>(picture.getY() + (height / 20) * 15);
    } else {
        placeTemperatureField(area, upperField, fieldX, static_cast<int16_t>(picture.getY() + (height / 7) * 4), texts[0]);
        arrowsY = static_cast<int16_t>(picture.getY() + (height / 4) * 3);
    }
    boilerArrows.setXY(fieldX, arrowsY);
    area.add(boilerArrows);
    placeFlame(area, 0);
    if (withSolar) {
        solarArrows.setXY(static_cast<int16_t>(picture.getX() - solarArrows.getWidth() - FIELD_GAP), arrowsY);
        sun.setXY(static_cast<int16_t>(solarArrows.getX() - sun.getWidth()), centredOn(solarArrows, sun.getHeight()));
        area.add(sun);
        area.add(solarArrows);
    }
}

void BufferLoadView::buildBuffer(guicontrols::Content& area, bool twoTemperatures)
{
    setPicture(area, CYLINDER);
    const int16_t width = area.getWidth();
    const int16_t pictureWidth = picture.getWidth();
    const int16_t pictureHeight = picture.getHeight();
    picture.setXY(twoTemperatures ? static_cast<int16_t>((width - pictureWidth) / 2)
                                  : static_cast<int16_t>(width / 3 - pictureWidth / 2),
                  STORE_Y);
    const int16_t pointerX = static_cast<int16_t>(picture.getX() + pictureWidth / 2 + pictureWidth / 6);
    if (twoTemperatures) {
        upperPointer.setXY(pointerX, static_cast<int16_t>(picture.getY() + pictureHeight / 4));
        lowerPointer.setXY(pointerX, static_cast<int16_t>(picture.getY() + (pictureHeight / 8) * 5));
        if (presenter->hasSolar()) {
            placeSunBeside(area);
        }
    } else {
        upperPointer.setXY(pointerX, static_cast<int16_t>(picture.getY() + (pictureHeight / 8) * 3));
    }
    placeBoilerRow(area, static_cast<int16_t>(rightEdge(picture) + ARROWS_BESIDE_STORE),
                   static_cast<int16_t>(picture.getY() + ARROWS_BELOW_STORE_TOP), FLAME_GAP);
    area.add(upperPointer);
    if (twoTemperatures) {
        area.add(lowerPointer);
    }
}

void BufferLoadView::placeBoilerRow(guicontrols::Content& area, int16_t arrowsX, int16_t arrowsY, int16_t flameGap)
{
    boilerArrows.setXY(arrowsX, arrowsY);
    area.add(boilerArrows);
    placeFlame(area, flameGap);
    placeChargeButton(area, static_cast<int16_t>(arrowsX + BUTTON_RIGHT_OF_ARROWS),
                      static_cast<int16_t>(bottomEdge(boilerArrows) + BUTTON_BELOW_ARROWS));
}

void BufferLoadView::placeChargeButton(guicontrols::Content& area, int16_t x, int16_t y)
{
    chargeButton.setXY(x, y);
    chargeLabel.setXY(static_cast<int16_t>(x + chargeButton.getWidth() / 2 - chargeLabel.getWidth() / 2),
                      static_cast<int16_t>(bottomEdge(chargeButton) + LABEL_BELOW_BUTTON));
    area.add(chargeButton);
    area.add(chargeLabel);
}

void BufferLoadView::placeFlame(guicontrols::Content& area, int16_t gap)
{
    flame.setXY(static_cast<int16_t>(rightEdge(boilerArrows) + gap), centredOn(boilerArrows, flame.getHeight()));
    area.add(flame);
}

void BufferLoadView::placeSunBeside(guicontrols::Content& area)
{
    sun.setXY(SUN_X, SUN_Y);
    solarArrows.setXY(static_cast<int16_t>(rightEdge(sun) + SMALL_GAP), centredOn(sun, solarArrows.getHeight()));
    area.add(sun);
    area.add(solarArrows);
}

void BufferLoadView::placeTemperatureField(guicontrols::Content& area, guicontrols::TextField& field, int16_t x,
                                           int16_t y, const quillon::WideChar* text)
{
    field.setXY(x, y);
    field.setText(text, TypedText(TEXT_FIELD_FONT).getFont());
    area.add(field);
}

void BufferLoadView::setPicture(guicontrols::Content& area, quillon::BitmapId bitmap)
{
    picture.setBitmap(Bitmap(bitmap));
    area.add(picture);
}

void BufferLoadView::updateGadgets()
{
    if (isShown(tank)) {
        for (uint8_t i = 0; i < markerCount; ++i) {
            presenter->getSensorTemperatureText(texts[i], TEXT_UNITS, markerTable[markerCount - 1 - i]);
            tank.setMarkerLabel(texts[i], i);
        }
        for (uint8_t j = 0; j < columnCount; ++j) {
            quillon::WideChar* text = texts[FIRST_COLUMN_BUFFER + j];
            presenter->getChargeStateText(text, TEXT_UNITS, j);
            tank.setColumnLabel(text, j);
        }
        tank.invalidate();
    }
    if (isShown(boilerArrows)) {
        boilerArrows.follow(presenter->isBoilerHeating());
    }
    if (isShown(solarArrows)) {
        solarArrows.follow(presenter->isSolarHeating());
    }
    if (isShown(upperField) || isShown(upperPointer)) {
        presenter->getUpperTemperatureText(texts[0], TEXT_UNITS);
        upperField.invalidate();
        upperPointer.invalidate();
    }
    if (isShown(lowerField) || isShown(lowerPointer)) {
        presenter->getLowerTemperatureText(texts[1], TEXT_UNITS);
        lowerField.invalidate();
        lowerPointer.invalidate();
    }
}

void BufferLoadView::refresh()
{
    if (presenter->hasDataChanged()) {
        updateGadgets();
    }
    if (presenter->hasDevicesChanged()) {
        rebuildContent();
    }
}

void BufferLoadView::rebuildContent()
{
    setupContent(content);
}

void BufferLoadView::onButtonClicked(const quillon::AbstractButton& source)
{
    ShellContext* context = ShellContext::running();
    if (&source != &chargeButton || context == nullptr || pageManager == nullptr) {
        return;
    }
    pageManager->goTo(&context->pages->bufferLoadOneTimeChargePage, false);
}
