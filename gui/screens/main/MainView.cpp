#include "gui/screens/main/MainView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

using quillon::Bitmap;
using quillon::TypedText;
using quillon::WideChar;
using quillon::WideString;

namespace
{
const quillon::TextId TEXT_SETPOINT = 48;       // "%s°"
const quillon::TextId TEXT_OUTSIDE = 20;        // "%s°"
const quillon::TextId TEXT_BOILER = 1007;       // "Boiler temperature"
const quillon::TextId TEXT_CELSIUS = 514;       // "°C"
const quillon::TextId TEXT_CIRCUIT_1 = 964;     // "Heating circuit 1", 2 and 3 follow
const quillon::TextId TEXT_COMFORT_MODE = 1196; // "Comfort mode"
const quillon::TextId TEXT_COMFORT_RESET = 1473;
const quillon::TextId TEXT_ECONOMY_RESET = 1105;
const quillon::TextId TEXT_ECONOMY_SELECTED = 1104;
const quillon::TextId TEXT_HELP_GENERAL = 725;
// Status texts by the first set status flag: external connection, external program,
// holiday program, screed drying; the comfort mode composes its own.
const quillon::TextId STATUS_TEXTS[] = {930, 932, 938, 929};
const quillon::TextId HELP_TEXTS[] = {715, 716, 719, 711};
const uint8_t STATUS_COMFORT = 4;

const quillon::BitmapId BUTTON_RELEASED = 19;
const quillon::BitmapId BUTTON_PRESSED = 21;
const quillon::BitmapId CHECK_MARK = 20;
const quillon::BitmapId ICON_COMFORT = 82;
const quillon::BitmapId ICON_ECONOMY = 96;
const quillon::BitmapId ICON_PLUS = 153;
const quillon::BitmapId ICON_MINUS = 140;
const quillon::BitmapId ICON_EXTERNAL = 100;
const quillon::BitmapId PROGRAM_ICONS[] = {173, 120, 116}; // standby, hot water only, heating and hot water
const quillon::BitmapId HOUSE = 68;
const quillon::BitmapId ICON_REDUCED = 157;
const quillon::BitmapId ICON_SOLAR = 170;
const quillon::BitmapId ICON_FROST = 105;
const quillon::BitmapId ICON_NORMAL = 145;
const quillon::BitmapId ICON_BURNER = 104;
const quillon::BitmapId ICON_CONNECTION_UNKNOWN = 84;
// By connection state 0..6; any other state shows the unknown icon.
const quillon::BitmapId CONNECTION_ICONS[] = {84, 125, 83, 85, 142, 142, 85};
const quillon::BitmapId ICON_RIGHT_ARROW = 211;
const quillon::BitmapId ICON_LEFT_ARROW = 209;

const int16_t BUTTON_X = 30;
const int16_t BUTTON_Y = 25;
const int16_t BUTTON_SIZE = 80;
const int16_t BUTTON_GAP = 20;
const int16_t ARROW_COLUMN_X = 690;
const int16_t PLUS_Y = 80;
const int16_t MINUS_Y = 180;
const int16_t BURNER_BELOW_MINUS = 25;
const int16_t CONNECTION_Y = 10;
const int16_t STATUS_X = 120;
const int16_t STATUS_Y = 255;
const int16_t STATUS_WIDTH = 560;
const int16_t STATUS_HEIGHT = 60;
const int16_t INDICATOR_BOTTOM_GAP = 8;
const uint8_t ALPHA_DISABLED = 128;
const uint8_t ALPHA_ENABLED = 255;
const quillon::Color WHITE = 0xFFFF;
const uint8_t LOCK_NONE = 0;
const uint8_t LOCK_PARTIAL = 1;

const WideChar DASHES[] = {'-', '-', '-', 0};
const WideChar FORMAT_VALUE_UNIT[] = {'%', 's', ' ', '%', 'd', '%', 's', 0};
const WideChar FORMAT_NO_VALUE[] = {'%', 's', ' ', '-', '-', '-', 0};

// Hiding invalidates before, showing after, so the area is drawn either way.
void show(quillon::Drawable& widget, bool visible)
{
    if (widget.isVisible() == visible) {
        return;
    }
    if (!visible) {
        widget.invalidate();
    }
    widget.setVisible(visible);
    if (visible) {
        widget.invalidate();
    }
}

void enable(quillon::Button& button, bool enabled)
{
    button.setTouchable(enabled);
    button.setAlpha(enabled ? ALPHA_ENABLED : ALPHA_DISABLED);
}

// A number into a temperature text: the format's "%s" gets the value, the whole cut to
// capacity units with its terminator.
void formatTemperature(WideChar* buffer, uint16_t capacity, quillon::TextId format, int32_t value)
{
    WideChar number[WideString::NUMBER_BUFFER_SIZE];
    WideString::snprintf(number, WideString::NUMBER_BUFFER_SIZE, "%d", static_cast<int>(value));
    WideString::snprintf(buffer, capacity, TypedText(format).getText(), number);
}
} // namespace

MainView::MainView()
    : BaseView<MainPresenter>(nullptr),
      setpointBuffer(),
      outsideBuffer(),
      statusBuffer(),
      boilerBuffer(),
      topBarCallback(this, &MainView::onTopBarButton),
      buttonCallback(this, &MainView::onButtonClicked),
      repeatCallback(this, &MainView::onButtonRepeated),
      statusFlags(0),
      statusCountdown(STATUS_SWAP_TICKS),
      dimmed(0),
      dimCheckCounter(0)
{
    standbyCover.setPosition(0, 0, bottomBar.getWidth(), bottomBar.getHeight());
    standbyCover.setColor(guicontrols::Palette::entry(6));
    standbyCover.setVisible(false);
    standbyCover.setTouchable(false);
    bottomBar.add(standbyCover);
}

const WideChar* MainView::getTitle()
{
    const uint8_t circuit = presenter != nullptr ? presenter->getCircuit() : 0;
    return TypedText(static_cast<quillon::TextId>(TEXT_CIRCUIT_1 + (circuit < 3 ? circuit : 0))).getText();
}

const WideChar* MainView::getHelpText()
{
    for (uint8_t flag = 0; flag < STATUS_COMFORT; ++flag) {
        if ((statusFlags & (1u << flag)) != 0) {
            return TypedText(HELP_TEXTS[flag]).getText();
        }
    }
    return TypedText(TEXT_HELP_GENERAL).getText();
}

void MainView::onFeedbackFinished(bool* handled)
{
    *handled = false; // the home screen stays and its default mode returns
}

void MainView::setupTopBar(guicontrols::TopBar& bar)
{
    mainTopBar.setXY(0, 0);
    mainTopBar.setButtonCallback(topBarCallback);
    const Params::MainState* state = pageManager != nullptr ? pageManager->getParam<Params::MainState>() : nullptr;
    if (state == nullptr) {
        selectCircuit(0);
        storeMainState(mainTopBar.getSelectedCircuit());
    } else {
        selectCircuit(static_cast<uint8_t>(state->circuit & 0xFF));
    }
    presenter->setCircuit(mainTopBar.getSelectedCircuit());
    circuitTitle.setPosition(20, 0, static_cast<int16_t>(bar.getWidth() - 40), bar.getHeight());
    circuitTitle.setAlignment(1);
    circuitTitle.setVerticalAlignment(1);
    circuitTitle.setVisible(false);
    bar.add(mainTopBar);
    bar.add(circuitTitle);
}

void MainView::placeContent()
{
    guicontrols::CheckableIconButton* quick[] = {&programButton, &comfortButton, &economyButton};
    for (int16_t i = 0; i < 3; ++i) {
        quick[i]->setBitmaps(Bitmap(BUTTON_RELEASED), Bitmap(BUTTON_PRESSED));
        quick[i]->setCheckMarkBitmap(Bitmap(CHECK_MARK));
        quick[i]->setXY(BUTTON_X, static_cast<int16_t>(BUTTON_Y + i * (BUTTON_SIZE + BUTTON_GAP)));
        quick[i]->setAction(buttonCallback);
    }
    comfortButton.setIcon(Bitmap(ICON_COMFORT));
    economyButton.setIcon(Bitmap(ICON_ECONOMY));
    programButton.setChecked(true);

    guicontrols::IconButton* arrows[] = {&plusButton, &minusButton};
    const quillon::BitmapId arrowIcons[] = {ICON_PLUS, ICON_MINUS};
    const int16_t arrowY[] = {PLUS_Y, MINUS_Y};
    for (int i = 0; i < 2; ++i) {
        arrows[i]->setBitmaps(Bitmap(BUTTON_RELEASED), Bitmap(BUTTON_PRESSED));
        arrows[i]->setIcon(Bitmap(arrowIcons[i]));
        arrows[i]->setXY(ARROW_COLUMN_X, arrowY[i]);
        arrows[i]->setAction(buttonCallback);
        arrows[i]->setRepeatAction(&repeatCallback);
    }

    house.setBitmap(Bitmap(HOUSE));
    house.setXY(300, 45);

    const quillon::Font* setpointFont = TypedText(TEXT_SETPOINT).getFont();
    const int16_t setpointHeight = static_cast<int16_t>(2 * setpointFont->getFullHeight());
    // The field may not reach past the content area: the bottom bar covers the rest.
    const int16_t setpointRoom = static_cast<int16_t>(content.getHeight() - 100);
    // Centred in the house: the big digits are as wide as its inside, so right-aligned they
    // would cross its wall.
    setpointText.setPosition(house.getX(), 100, house.getWidth(),
                             setpointHeight < setpointRoom ? setpointHeight : setpointRoom);
    setpointText.setAlignment(1);
    setpointText.setColor(guicontrols::Palette::entry(11));
    setpointArea.setPosition(setpointText.getX(), setpointText.getY(), setpointText.getWidth(),
                             static_cast<int16_t>(setpointText.getHeight() / 2));
    setpointArea.setAction(buttonCallback);

    outsideText.setPosition(175, 190, 95, static_cast<int16_t>(content.getHeight() - 1 - 190));
    outsideText.setAlignment(2);
    outsideText.setColor(guicontrols::Palette::entry(11));

    statusText.setPosition(STATUS_X, STATUS_Y, STATUS_WIDTH, STATUS_HEIGHT);
    statusText.setAlignment(1);
    statusText.setVerticalAlignment(1);
    statusText.setColor(guicontrols::Palette::entry(11));
    statusText.setTextId(TypedText(STATUS_TEXTS[0]));
    boilerText.setPosition(STATUS_X, STATUS_Y, STATUS_WIDTH, STATUS_HEIGHT);
    boilerText.setAlignment(1);
    boilerText.setVerticalAlignment(1);
    boilerText.setColor(WHITE);
    boilerText.setTextId(TypedText(TEXT_BOILER));
    statusText.setVisible(!boilerText.isVisible());
    placeIcons();
}

void MainView::placeIcons()
{
    reducedIcon.setBitmap(Bitmap(ICON_REDUCED));
    normalIcon.setBitmap(Bitmap(ICON_NORMAL));
    frostIcon.setBitmap(Bitmap(ICON_FROST));
    solarIcon.setBitmap(Bitmap(ICON_SOLAR));
    burnerIcon.setBitmap(Bitmap(ICON_BURNER));
    connectionIcon.setBitmap(Bitmap(ICON_CONNECTION_UNKNOWN));
    const int16_t rowCentre = static_cast<int16_t>(BUTTON_Y + BUTTON_SIZE / 2 - 6);
    const int16_t rowX = static_cast<int16_t>(BUTTON_X + 2 * BUTTON_SIZE + 2);
    reducedIcon.setXY(rowX, static_cast<int16_t>(rowCentre - reducedIcon.getHeight() / 2));
    normalIcon.setXY(rowX, static_cast<int16_t>(rowCentre - normalIcon.getHeight() / 2));
    frostIcon.setXY(static_cast<int16_t>(normalIcon.getX() + normalIcon.getWidth()),
                    static_cast<int16_t>(rowCentre - frostIcon.getHeight() / 2));
    solarIcon.setXY(static_cast<int16_t>(frostIcon.getX() + frostIcon.getWidth()),
                    static_cast<int16_t>(rowCentre - solarIcon.getHeight() / 2 - 5));
    burnerIcon.setXY(static_cast<int16_t>(ARROW_COLUMN_X + (BUTTON_SIZE - burnerIcon.getWidth()) / 2),
                     static_cast<int16_t>(MINUS_Y + BUTTON_SIZE + BURNER_BELOW_MINUS));
    connectionIcon.setXY(static_cast<int16_t>(ARROW_COLUMN_X + (BUTTON_SIZE - connectionIcon.getWidth()) / 2),
                         CONNECTION_Y);
}

void MainView::setupContent(guicontrols::Content& area)
{
    placeContent();
    pageIndicator.setNumberOfPages(presenter->getNumberOfPages());
    pageIndicator.setAnchor(static_cast<int16_t>(area.getWidth() / 2),
                            static_cast<int16_t>(area.getHeight() - pageIndicator.getHeight() - INDICATOR_BOTTOM_GAP));
    pageIndicator.setCurrentPage(presenter->getPageIndex());
    quillon::Drawable* widgets[] = {&programButton, &comfortButton, &economyButton, &plusButton, &minusButton,
                                    &house, &boilerText, &statusText, &reducedIcon, &normalIcon,
                                    &frostIcon, &solarIcon, &burnerIcon, &connectionIcon, &pageIndicator,
                                    &setpointText, &outsideText, &setpointArea};
    for (quillon::Drawable* widget : widgets) {
        area.add(*widget);
    }
    updateAll();
}

void MainView::setupBottomBar(guicontrols::BottomBar& bar)
{
    standbyCover.setVisible(false);
    standbyCover.setTouchable(false);
    GenericView::setupBottomBar(bar);
    bar.clearButton(BACK_BUTTON);
    bar.setButtonIcon(RIGHT_ARROW_BUTTON, ICON_RIGHT_ARROW);
    bar.setButtonIcon(LEFT_ARROW_BUTTON, ICON_LEFT_ARROW);
    bar.invalidate();
}

void MainView::updateAll()
{
    formatTemperature(setpointBuffer, NUMBER_UNITS, TEXT_SETPOINT, static_cast<int32_t>(presenter->getRoomSetpoint()));
    setpointText.setText(setpointBuffer, TypedText(TEXT_SETPOINT).getFont());
    setpointText.invalidate();

    if (presenter->isAvailable(MainPresenter::DEVICE_OUTSIDE_TEMPERATURE)) {
        formatTemperature(outsideBuffer, NUMBER_UNITS, TEXT_OUTSIDE, presenter->getOutsideTemperature());
    } else {
        WideString::strncpy(outsideBuffer, DASHES, NUMBER_UNITS);
    }
    outsideText.setText(outsideBuffer, TypedText(TEXT_OUTSIDE).getFont());
    outsideText.invalidate();

    selectCircuit(presenter->getCircuit());
    mainTopBar.invalidate();

    if (presenter->isBoilerTemperatureValid()) {
        WideString::snprintf(boilerBuffer, BOILER_UNITS, FORMAT_VALUE_UNIT, TypedText(TEXT_BOILER).getText(),
                             static_cast<int>(presenter->getBoilerTemperature()), TypedText(TEXT_CELSIUS).getText());
    } else {
        WideString::snprintf(boilerBuffer, BOILER_UNITS, FORMAT_NO_VALUE, TypedText(TEXT_BOILER).getText());
    }
    boilerText.setText(boilerBuffer, TypedText(TEXT_BOILER).getFont());
    boilerText.invalidate();

    updateQuickButtons();
    updateStatus();
    updateStatusIcons();
    pageIndicator.setNumberOfPages(presenter->getNumberOfPages());
    pageIndicator.setCurrentPage(presenter->getPageIndex());
}

bool MainView::selectCircuit(uint8_t requested)
{
    bool present[MainPresenter::CIRCUIT_COUNT];
    for (uint8_t i = 0; i < MainPresenter::CIRCUIT_COUNT; ++i) {
        present[i] = presenter->isCircuitPresent(i);
    }
    uint8_t chosen = requested;
    bool changed = false;
    if (requested >= MainPresenter::CIRCUIT_COUNT || !present[requested]) {
        for (uint8_t i = MainPresenter::CIRCUIT_COUNT; i > 0; --i) {
            if (present[i - 1]) {
                chosen = static_cast<uint8_t>(i - 1);
                break;
            }
        }
        if (chosen >= MainPresenter::CIRCUIT_COUNT) {
            chosen = 0; // nothing present and an index past the circuits: the first
        }
        storeMainState(chosen);
        // Asking for the circuit's values again only when it really moves: with no circuit
        // present every update would ask again.
        if (chosen != presenter->getCircuit()) {
            presenter->setCircuit(chosen);
        }
        changed = true;
    }
    circuitTitle.setText(TypedText(static_cast<quillon::TextId>(TEXT_CIRCUIT_1 + chosen)).getText(),
                         ApplicationFontProvider().getFont(3));
    mainTopBar.setCircuits(chosen, present[0], present[1], present[2]);
    return changed;
}

void MainView::storeMainState(uint8_t circuit)
{
    if (pageManager != nullptr) {
        pageManager->setParam(Params::MainState{circuit});
    }
}

void MainView::updateQuickButtons()
{
    const bool screed = presenter->isScreedDryingActive();
    const bool externalProgram = presenter->isExternalProgramActive();
    const uint8_t program = presenter->getOperatingProgram();

    const bool economyEnabled = !externalProgram && program == 2 && presenter->isNormalHeating() && !screed;
    economyButton.setChecked(economyEnabled && presenter->isEconomyModeActive());
    enable(economyButton, economyEnabled);

    const bool comfortEnabled = !screed && !presenter->isExternalConnectionActive();
    comfortButton.setChecked(comfortEnabled && presenter->isComfortModeActive());
    enable(comfortButton, comfortEnabled);

    programButton.setIcon(Bitmap(externalProgram || program > 2 ? ICON_EXTERNAL : PROGRAM_ICONS[program]));
    programButton.setChecked(!screed);
    enable(programButton, !screed);
    setpointArea.setTouchable(!screed);
    enable(plusButton, !screed);
    enable(minusButton, !screed);

    quillon::Drawable* buttons[] = {&programButton, &comfortButton, &economyButton, &plusButton, &minusButton};
    for (quillon::Drawable* button : buttons) {
        button->invalidate();
    }
}

void MainView::updateStatus()
{
    statusFlags = static_cast<uint8_t>((presenter->isExternalConnectionActive() ? 0x01 : 0) |
                                       (presenter->isExternalProgramActive() ? 0x02 : 0) |
                                       (presenter->isHolidayProgramActive() ? 0x04 : 0) |
                                       (presenter->isScreedDryingActive() ? 0x08 : 0) |
                                       (presenter->isComfortModeActive() ? 0x10 : 0));
    composeStatusText();
}

void MainView::composeStatusText()
{
    if (statusFlags == 0) {
        alternateStatusLine();
        return;
    }
    uint8_t flag = 0;
    while ((statusFlags & (1u << flag)) == 0) {
        ++flag;
    }
    if (flag < STATUS_COMFORT) {
        WideString::strncpy(statusBuffer, TypedText(STATUS_TEXTS[flag]).getText(), STATUS_UNITS);
        statusBuffer[STATUS_UNITS - 1] = 0;
    } else {
        WideString::snprintf(statusBuffer, STATUS_UNITS, FORMAT_VALUE_UNIT, TypedText(TEXT_COMFORT_MODE).getText(),
                             static_cast<int>(presenter->getComfortTemperature()), TypedText(TEXT_CELSIUS).getText());
    }
    statusText.setText(statusBuffer, TypedText(TEXT_BOILER).getFont());
    statusText.invalidate();
}

void MainView::alternateStatusLine()
{
    if (statusFlags == 0) {
        show(boilerText, true);
        show(statusText, false);
    } else {
        const bool boilerShown = !boilerText.isVisible();
        show(boilerText, boilerShown);
        show(statusText, !boilerShown);
    }
    boilerText.invalidate();
    statusText.invalidate();
}

void MainView::updateStatusIcons()
{
    show(reducedIcon, presenter->isReducedHeating());
    show(normalIcon, presenter->isNormalHeating());
    show(frostIcon, presenter->isFrostProtectionActive());
    show(solarIcon, presenter->isSolarActive());
    show(burnerIcon, presenter->isBurnerOn());
    if (presenter->isConnectionStatePresent()) {
        const uint8_t state = presenter->getConnectionState();
        const quillon::BitmapId icon = state < sizeof(CONNECTION_ICONS) / sizeof(CONNECTION_ICONS[0])
                                           ? CONNECTION_ICONS[state]
                                           : ICON_CONNECTION_UNKNOWN;
        if (connectionIcon.getBitmap() != Bitmap(icon)) {
            connectionIcon.invalidate();
            connectionIcon.setBitmap(Bitmap(icon));
        }
        show(connectionIcon, true);
        connectionIcon.invalidate();
    } else {
        show(connectionIcon, false);
    }
}

void MainView::tick()
{
    GenericView::tick();
    if (++dimCheckCounter > DIM_CHECK_TICKS) {
        if (checkDimmed()) {
            applyDimmed(dimmed != 0);
        }
        dimCheckCounter = 0;
    }
    if (statusFlags != 0 && dimmed == 0) {
        if (statusCountdown == 0) {
            statusCountdown = STATUS_SWAP_TICKS;
            alternateStatusLine();
        } else {
            --statusCountdown;
        }
    }
}

void MainView::update()
{
    updateAll();
}

bool MainView::checkDimmed()
{
    ShellContext* context = ShellContext::running();
    const uint8_t now = context != nullptr && context->shell->isDimmed() ? 1 : 0;
    const bool changed = now != dimmed;
    dimmed = now;
    return changed;
}

void MainView::applyDimmed(bool dim)
{
    standbyCover.setTouchable(dim);
    show(standbyCover, dim);
    bottomBar.invalidate();
    quillon::Drawable* controls[] = {&mainTopBar,   &programButton, &comfortButton, &economyButton, &plusButton,
                                     &minusButton,  &setpointArea,  &boilerText,    &pageIndicator};
    for (quillon::Drawable* control : controls) {
        show(*control, !dim);
    }
    show(circuitTitle, dim);
    if (!dim) {
        updateAll();
    } else {
        show(statusText, false);
    }
}

void MainView::onClick(const quillon::ClickEvent& event)
{
    const uint8_t level = presenter->getLockLevel();
    if (level == LOCK_NONE) {
        mainTopBar.setCenterButtonTouchable(true);
    } else {
        mainTopBar.setCenterButtonTouchable(false);
        const bool inBand = event.getX() >= LOCK_BAND_LEFT && event.getX() < content.getWidth() - LOCK_BAND_RIGHT_MARGIN;
        const int16_t lockedBelow = level == LOCK_PARTIAL ? TOP_BAR_HEIGHT : bottomBar.getY();
        if (inBand && event.getY() < lockedBelow) {
            showPanelLocked();
        }
    }
    quillon::Screen::onClick(event);
}

void MainView::showPanelLocked()
{
    pagemanager::IPopupManager* popups = pageManager != nullptr ? pageManager->getPopupManager() : nullptr;
    if (!presenter->isPopupAllowed() || popups == nullptr) {
        return;
    }
    // Raised again on every locked touch, also after the user closed it.
    popups->close(POPUP_PANEL_LOCKED);
    popups->show(POPUP_PANEL_LOCKED, 1);
}

void MainView::showFeedbackText(quillon::TextId text)
{
    GenericView::showFeedback(TypedText(text).getText());
}

void MainView::onBottomBarButton(int index)
{
    if (index == HELP_BUTTON || index == SERVICE_NOTICE_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (presenter->getLockLevel() != LOCK_NONE) {
        showPanelLocked();
        return;
    }
    ShellContext* context = ShellContext::running();
    if (index != RIGHT_ARROW_BUTTON && index != LEFT_ARROW_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (context == nullptr || pageManager == nullptr) {
        return;
    }
    // From the root the home screen goes onto the history; from elsewhere the arrows move
    // sideways without stacking.
    const bool noHistory = pageManager->getHistorySize() != 0;
    if (index == RIGHT_ARROW_BUTTON) {
        pageManager->goTo(&context->pages->energyCockpitPage, noHistory);
    } else {
        // The favourites open on their last page when coming from this side.
        pageManager->removeParam(Params::PARAM_FAVOURITES_STATE);
        pageManager->setParam(Params::FavouritesState{1});
        pageManager->goTo(&context->pages->favouritesMainPage, noHistory);
    }
}

void MainView::onTopBarButton(const int& id)
{
    ShellContext* context = ShellContext::running();
    if (id == 0) {
        if (context != nullptr && pageManager != nullptr) {
            pageManager->goTo(&context->pages->mainMenuPage, false);
        }
        return;
    }
    if (id == 1 && presenter->getLockLevel() == LOCK_NONE) {
        const uint8_t circuit = mainTopBar.getSelectedCircuit();
        storeMainState(circuit);
        presenter->setCircuit(circuit);
        updateAll();
    }
}

void MainView::onButtonRepeated(const guicontrols::RepeatableButton& button)
{
    onButtonClicked(button);
}

void MainView::onButtonClicked(const quillon::AbstractButton& button)
{
    if (pageManager != nullptr) {
        // The heating screens open on the circuit shown here.
        pageManager->setParam(HeatingCircuitParam{presenter->getCircuit(), 0, 0, 0, {0, 0, 0}});
    }
    // Levels above the full lock are not defined; they lock as fully.
    if (presenter->getLockLevel() > LOCK_PARTIAL) {
        showPanelLocked();
        return;
    }
    ShellContext* context = ShellContext::running();
    Pages* pages = context != nullptr ? context->pages : nullptr;
    pagemanager::Page* target = nullptr;
    if (&button == &programButton) {
        target = pages != nullptr ? &pages->heatingOperatingProgramPage : nullptr;
    } else if (&button == &comfortButton) {
        if (presenter->isComfortModeActive()) {
            presenter->setComfortMode(0);
            showFeedbackText(TEXT_COMFORT_RESET);
        } else {
            target = pages != nullptr ? &pages->heatingComfortTempPage : nullptr;
        }
    } else if (&button == &economyButton) {
        if (presenter->isEconomyModeActive()) {
            presenter->setEconomyMode(0);
            showFeedbackText(TEXT_ECONOMY_RESET);
        } else {
            presenter->setEconomyMode(1);
            presenter->setComfortMode(0);
            showFeedbackText(TEXT_ECONOMY_SELECTED);
        }
    } else {
        target = pages != nullptr ? &pages->heatingRoomTempPage : nullptr;
    }
    if (target != nullptr && pageManager != nullptr) {
        pageManager->goTo(target, false);
    }
}
