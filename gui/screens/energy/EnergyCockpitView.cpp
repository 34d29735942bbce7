#include "gui/screens/energy/EnergyCockpitView.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"

#include <quillon/TypedText.hpp>

using quillon::Bitmap;
using quillon::TypedText;

namespace
{
const quillon::TextId TEXT_TITLE = 916;      // "Energy cockpit"
const quillon::TextId TEXT_HELP_SOLAR = 706;
const quillon::TextId TEXT_HELP_PLAIN = 707; // "By touching the components further information is shown."

const quillon::BitmapId SOLAR_ARROWS_FIRST = 37;
const quillon::BitmapId SOLAR_ARROWS_LAST = 40;
const quillon::BitmapId BOILER_ARROWS_FIRST = 32;
const quillon::BitmapId BOILER_ARROWS_LAST = 35;
const quillon::BitmapId FLAME = 155;
const quillon::BitmapId BOILER_TALL = 41;
const quillon::BitmapId BOILER_SHORT = 42;
const quillon::BitmapId BOILER_WITH_TANK = 44;
const quillon::BitmapId CYLINDER = 43;
const quillon::BitmapId BUTTON_RELEASED = 19;
const quillon::BitmapId BUTTON_PRESSED = 21;
const quillon::BitmapId ICON_CHART = 98;
const quillon::BitmapId ICON_RIGHT_ARROW = 211;
const quillon::BitmapId ICON_LEFT_ARROW = 209;

const uint8_t CYLINDER_TYPE_TANK = 4;
const int16_t TOP_ROW_Y = 20;
const int16_t STORE_Y = 50;
const int16_t GAP = 40;
const int16_t ROW_START_WITHOUT_SOLAR = 110;
const int16_t COLLECTOR_X = 40;
const int16_t COLLECTOR_X_BESIDE_CYLINDER = 168;
const int16_t ARROWS_BELOW_COLLECTOR = 180;
const int16_t BUTTON_BELOW_COLLECTOR = 200;
const int16_t BALANCE_BUTTON_X = 40;
const int16_t BALANCE_BUTTON_Y = 220;
const int16_t ARROWS_BELOW_BOILER = 45;
const int16_t SMALL_GAP = 5;
const int16_t INDICATOR_BOTTOM_GAP = 8;

int16_t rightEdge(const quillon::Drawable& d)
{
    return static_cast<int16_t>(d.getX() + d.getWidth());
}
} // namespace

EnergyCockpitView::EnergyCockpitView()
    : BaseView<EnergyCockpitPresenter>(nullptr),
      topBarCallback(this, &EnergyCockpitView::onTopBarButton),
      gadgetCallback(this, &EnergyCockpitView::onGadgetClicked),
      solarArrows(SOLAR_ARROWS_FIRST, SOLAR_ARROWS_LAST),
      boilerArrows(BOILER_ARROWS_FIRST, BOILER_ARROWS_LAST),
      flame(Bitmap(FLAME)),
      tank(&tankProvider),
      collectorText(),
      chargeText()
{
    collector.setText(collectorText);
    chargeGadget.setChargeState(chargeText);
    energyBalanceButton.setBitmaps(Bitmap(BUTTON_RELEASED), Bitmap(BUTTON_PRESSED));
    energyBalanceButton.setIcon(Bitmap(ICON_CHART));
    quillon::AbstractButton* gadgets[] = {&collector, &buffer, &boiler, &cylinder, &tank, &energyBalanceButton};
    for (quillon::AbstractButton* gadget : gadgets) {
        gadget->setAction(gadgetCallback);
    }
}

const quillon::WideChar* EnergyCockpitView::getHelpText()
{
    return TypedText(presenter->hasSolar() ? TEXT_HELP_SOLAR : TEXT_HELP_PLAIN).getText();
}

void EnergyCockpitView::setupTopBar(guicontrols::TopBar& bar)
{
    mainTopBar.setXY(0, 0);
    mainTopBar.setButtonCallback(topBarCallback);
    mainTopBar.setCenterButtonVisible(false);
    mainTopBar.setTitle(TypedText(TEXT_TITLE).getText());
    bar.add(mainTopBar);
}

void EnergyCockpitView::setupContent(guicontrols::Content& area)
{
    area.reset();
    // Arrows the new picture leaves out must not keep running unseen.
    solarArrows.stopAnimation();
    boilerArrows.stopAnimation();
    switch (presenter->getBoilerVariant()) {
    case 2:
        buildArrangement2(area);
        break;
    case 3:
        buildArrangement3(area);
        break;
    case 4:
        buildArrangement4(area);
        break;
    default:
        buildArrangement1(area);
        break;
    }
    updateGadgets();
    pageIndicator.setNumberOfPages(presenter->getNumberOfPages());
    pageIndicator.setAnchor(static_cast<int16_t>(area.getWidth() / 2),
                            static_cast<int16_t>(area.getHeight() - pageIndicator.getHeight() - INDICATOR_BOTTOM_GAP));
    pageIndicator.setCurrentPage(presenter->getPageIndex());
    area.add(pageIndicator);
    area.invalidate();
}

void EnergyCockpitView::buildArrangement1(guicontrols::Content& area)
{
    setBoilerBitmap(BOILER_TALL);
    const bool hotWater = presenter->hasHotWater();
    area.add(boiler);
    if (hotWater) {
        area.add(boilerArrows);
    }
    int16_t x = ROW_START_WITHOUT_SOLAR;
    if (presenter->hasSolar() && hotWater) {
        placeCollector(area, COLLECTOR_X);
        placeEnergyBalanceButton(area, COLLECTOR_X, static_cast<int16_t>(TOP_ROW_Y + BUTTON_BELOW_COLLECTOR));
        x = rightEdge(collector);
    }
    if (!hotWater) {
        boiler.setXY(static_cast<int16_t>(area.getWidth() / 2 - boiler.getWidth() / 2), TOP_ROW_Y);
        return;
    }
    x = placeStore(area, static_cast<int16_t>(x + GAP), presenter->getCylinderType() == CYLINDER_TYPE_TANK);
    boiler.setXY(static_cast<int16_t>(x + GAP), TOP_ROW_Y);
    boilerArrows.setXY(static_cast<int16_t>(boiler.getX() - HeatArrows::WIDTH), static_cast<int16_t>(boiler.getY() + ARROWS_BELOW_BOILER));
    raiseArrows(area);
}

void EnergyCockpitView::buildArrangement2(guicontrols::Content& area)
{
    setBoilerBitmap(BOILER_SHORT);
    area.add(boiler);
    area.add(cylinder);
    area.add(boilerArrows);
    area.add(flame);
    placeBoilerOnCylinder(static_cast<int16_t>(area.getWidth() / 2 - boiler.getWidth() / 2),
                          static_cast<int16_t>(TOP_ROW_Y + ARROWS_BELOW_COLLECTOR));
}

void EnergyCockpitView::buildArrangement3(guicontrols::Content& area)
{
    setBoilerBitmap(BOILER_SHORT);
    area.add(boiler);
    area.add(cylinder);
    area.add(boilerArrows);
    area.add(flame);
    placeCollector(area, COLLECTOR_X_BESIDE_CYLINDER);
    placeEnergyBalanceButton(area, BALANCE_BUTTON_X, BALANCE_BUTTON_Y);
    placeBoilerOnCylinder(static_cast<int16_t>(rightEdge(solarArrows) + SMALL_GAP), solarArrows.getY());
}

void EnergyCockpitView::buildArrangement4(guicontrols::Content& area)
{
    setBoilerBitmap(BOILER_WITH_TANK);
    area.add(boiler);
    area.add(boilerArrows);
    placeCollector(area, COLLECTOR_X);
    placeEnergyBalanceButton(area, COLLECTOR_X, static_cast<int16_t>(TOP_ROW_Y + BUTTON_BELOW_COLLECTOR));
    const int16_t x = placeStore(area, static_cast<int16_t>(rightEdge(collector) + GAP), true);
    boiler.setXY(static_cast<int16_t>(x + GAP), TOP_ROW_Y);
    boilerArrows.setXY(static_cast<int16_t>(boiler.getX() - HeatArrows::WIDTH), static_cast<int16_t>(boiler.getY() + ARROWS_BELOW_BOILER));
    raiseArrows(area);
}

void EnergyCockpitView::raiseArrows(guicontrols::Content& area)
{
    // The arrows reach over the store's edges: drawn last, so the store does not hide them.
    quillon::Drawable* arrows[] = {&solarArrows, &boilerArrows};
    for (quillon::Drawable* row : arrows) {
        if (area.contains(*row)) {
            area.remove(*row);
            area.add(*row);
        }
    }
}

void EnergyCockpitView::placeBoilerOnCylinder(int16_t boilerX, int16_t arrowsY)
{
    boiler.setXY(boilerX, TOP_ROW_Y);
    cylinder.setBitmaps(Bitmap(CYLINDER), Bitmap(CYLINDER));
    cylinder.setXY(boilerX, static_cast<int16_t>(boiler.getY() + boiler.getHeight()));
    boilerArrows.setXY(static_cast<int16_t>(rightEdge(boiler) + SMALL_GAP), arrowsY);
    flame.setXY(rightEdge(boilerArrows),
                static_cast<int16_t>(boilerArrows.getY() - (flame.getHeight() - boilerArrows.getHeight()) / 2));
}

int16_t EnergyCockpitView::placeStore(guicontrols::Content& area, int16_t x, bool withTank)
{
    if (!withTank) {
        buffer.setXY(x, STORE_Y);
        area.add(buffer);
        return rightEdge(buffer);
    }
    tank.setXY(x, STORE_Y);
    area.add(tank);
    chargeGadget.setXY(static_cast<int16_t>(tank.getX() + tank.getWidth() / 2 - chargeGadget.getWidth()), TOP_ROW_Y);
    area.add(chargeGadget);
    return rightEdge(tank);
}

void EnergyCockpitView::placeCollector(guicontrols::Content& area, int16_t x)
{
    collector.setXY(x, TOP_ROW_Y);
    solarArrows.setXY(rightEdge(collector), static_cast<int16_t>(collector.getY() + ARROWS_BELOW_COLLECTOR));
    area.add(collector);
    area.add(solarArrows);
}

void EnergyCockpitView::placeEnergyBalanceButton(guicontrols::Content& area, int16_t x, int16_t y)
{
    energyBalanceButton.setXY(x, y);
    energyBalanceButton.setVisible(presenter->hasEnergyBalance());
    area.add(energyBalanceButton);
}

void EnergyCockpitView::setBoilerBitmap(quillon::BitmapId bitmap)
{
    boiler.setBitmaps(Bitmap(bitmap), Bitmap(bitmap));
}

void EnergyCockpitView::updateGadgets()
{
    if (isShown(tank)) {
        tank.invalidate();
    }
    if (isShown(chargeGadget)) {
        presenter->getChargeStateText(chargeText, TEXT_UNITS);
        chargeGadget.invalidate();
    }
    if (isShown(boilerArrows)) {
        boilerArrows.follow(presenter->isBoilerHeating());
    }
    if (isShown(collector)) {
        presenter->getCollectorTemperatureText(collectorText, TEXT_UNITS);
        collector.invalidate();
    }
    if (isShown(solarArrows)) {
        solarArrows.follow(presenter->isSolarHeating());
    }
}

void EnergyCockpitView::refresh()
{
    if (presenter->hasDataChanged()) {
        updateGadgets();
    }
    if (presenter->hasDevicesChanged()) {
        rebuildContent();
    }
}

void EnergyCockpitView::rebuildContent()
{
    setupContent(content);
}

void EnergyCockpitView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(BACK_BUTTON);
    bar.setButtonIcon(RIGHT_ARROW_BUTTON, ICON_RIGHT_ARROW);
    bar.setButtonIcon(LEFT_ARROW_BUTTON, ICON_LEFT_ARROW);
    bar.invalidate();
}

void EnergyCockpitView::onBottomBarButton(int index)
{
    if (index != LEFT_ARROW_BUTTON && index != RIGHT_ARROW_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    ShellContext* context = ShellContext::running();
    if (context == nullptr || pageManager == nullptr) {
        return;
    }
    if (index == LEFT_ARROW_BUTTON) {
        pageManager->backTo(true);
        return;
    }
    // The favourites open on their first page from this side.
    pageManager->removeParam(Params::PARAM_FAVOURITES_STATE);
    pageManager->setParam(Params::FavouritesState{0});
    pageManager->goTo(&context->pages->favouritesMainPage, pageManager->getHistorySize() != 0);
}

void EnergyCockpitView::onTopBarButton(const int& id)
{
    ShellContext* context = ShellContext::running();
    if (id != 0 || context == nullptr || pageManager == nullptr) {
        return; // the centre button is hidden
    }
    pageManager->goTo(&context->pages->mainMenuPage, pageManager->getHistorySize() > 1);
}

void EnergyCockpitView::onGadgetClicked(const quillon::AbstractButton& source)
{
    ShellContext* context = ShellContext::running();
    if (context == nullptr || pageManager == nullptr) {
        return;
    }
    Pages& pages = *context->pages;
    if (&source == &collector) {
        if (presenter->hasSolarIntervalMenu()) {
            pageManager->goTo(&pages.solarYieldIntervalPage, false);
        } else if (presenter->hasSolarOverview()) {
            pageManager->setParam(IntervalSelection{INTERVAL_7_DAYS, 0});
            pageManager->goTo(&pages.solarOverviewPage, false);
        }
    } else if (&source == &energyBalanceButton) {
        pageManager->goTo(&pages.energyBalanceNotePage, false);
    } else if (&source == &boiler) {
        pageManager->goTo(&pages.boilerDetailsPage, false);
    } else {
        pageManager->goTo(&pages.bufferLoadPage, false); // tank, buffer or cylinder
    }
}
