#include "gui/screens/wizard/WizzardInitView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/screens/wizard/WizardStepTitle.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::WideChar EMPTY[] = {0};
const quillon::WideChar SPACE[] = {' ', 0};

// By provider index; index 5 has a label but never an item.
const quillon::TextId LABELS[] = {871, 1118, 288, 833, 946, 1064};

// By LanguageId: the flag and the language's own name.
const quillon::BitmapId FLAGS[WizzardInitView::LANGUAGE_COUNT] = {56, 59, 58, 57, 61, 62, 60, 55, 64, 63};
const quillon::TextId NAMES[WizzardInitView::LANGUAGE_COUNT] = {1463, 1453, 1459, 1593, 1598,
                                                                1594, 1592, 1595, 1596, 1597};

const quillon::TextId SINGLE_FAMILY = 904;
const quillon::TextId MULTI_FAMILY = 1034;
const quillon::TextId NATURAL_GAS = 921;
const quillon::TextId LIQUEFIED_GAS = 941;
} // namespace

WizzardInitView::WizzardInitView()
    : BaseView<WizzardInitPresenter>(&Functors::getInstance().plain),
      items{{this, DATE_AND_TIME}, {this, LANGUAGE}, {this, BUILDING_TYPE}, {this, FILLING}, {this, GAS_TYPE}},
      keyboard(),
      keyboardMode(*this),
      dateTimeText(),
      stepText()
{
    keyboard.setMasked(true);
    keyboardMode.setKeyboard(&keyboard);
    keyboardMode.setTitle(quillon::TypedText(PASSWORD_TEXT).getText());
    keyboardMode.setMaxLength(1);
    keyboardMode.setValidator(guicontrols::NumericKeyboard::WIZARD_CODE);
    // From here on filling and venting run as the wizard's sequence.
    Params::FillingVenting* request =
        pageManager != nullptr ? pageManager->getParam<Params::FillingVenting>(nullptr) : nullptr;
    if (request != nullptr) {
        request->request = 1;
    }
}

void WizzardInitView::setupTopBar(guicontrols::TopBar& bar)
{
    WizardStepTitle::show(bar, TITLE_TEXT, "1", stepText, STEP_TEXT_SIZE);
}

const quillon::WideChar* WizzardInitView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}

void WizzardInitView::setupContent(guicontrols::Content& area)
{
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
    listControl.clear(true);
    fillList();
    area.add(listControl);
}

void WizzardInitView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    // The bar keeps the colour's address: the palette's own entry outlives it.
    bar.setButtonText(CONTINUE_BUTTON, CONTINUE_TEXT, &guicontrols::Palette::entry(CONTINUE_COLOR));
}

void WizzardInitView::onBottomBarButton(int index)
{
    switch (index) {
    case CONTINUE_BUTTON:
        askSecurityQuestion();
        break;
    case BACK_BUTTON:
        // Right after the splash there is no history: nothing happens.
        if (pageManager != nullptr) {
            pageManager->backTo(true);
        }
        break;
    default:
        GenericView::onBottomBarButton(index);
        break;
    }
}

void WizzardInitView::askSecurityQuestion()
{
    pagemanager::IPopupManager* popups = pageManager != nullptr ? pageManager->getPopupManager() : nullptr;
    if (popups != nullptr) {
        popups->show(SECURITY_POPUP, POPUP_LEVEL);
    }
    // On the touch itself, not a frame later.
    updatePopupContainer();
}

void WizzardInitView::update()
{
    fillList();
}

const quillon::WideChar* WizzardInitView::getText(uint32_t index)
{
    return index < sizeof(LABELS) / sizeof(LABELS[0]) ? quillon::TypedText(LABELS[index]).getText() : EMPTY;
}

void WizzardInitView::markStep(uint32_t bit)
{
    Params::Commissioning* mask =
        pageManager != nullptr ? pageManager->getParam<Params::Commissioning>(nullptr) : nullptr;
    if (mask != nullptr) {
        mask->mask |= bit;
    }
}

void WizzardInitView::goTo(pagemanager::Page* page)
{
    if (pageManager != nullptr && page != nullptr) {
        pageManager->goTo(page, false);
    }
}

void WizzardInitView::execute(uint32_t index)
{
    Pages* pages = ShellPages::find();
    switch (index) {
    case DATE_AND_TIME:
        markStep(DATE_AND_TIME_BIT);
        goTo(pages != nullptr ? &pages->dateTimeMenuPage : nullptr);
        break;
    case LANGUAGE:
        markStep(LANGUAGE_BIT);
        goTo(pages != nullptr ? &pages->languagePage : nullptr);
        break;
    case BUILDING_TYPE:
        markStep(BUILDING_TYPE_BIT);
        // The table takes the value at once; the list follows on the next tick.
        presenter->setBuildingType(presenter->getBuildingType() == 0 ? 1 : 0);
        break;
    case FILLING:
        markStep(FILLING_BIT);
        goTo(pages != nullptr ? &pages->fillingPage : nullptr);
        break;
    case GAS_TYPE:
        keyboardMode.setText(EMPTY);
        setViewMode(&keyboardMode);
        break;
    default:
        break;
    }
}

void WizzardInitView::onViewModeFinished()
{
    if (currentViewMode != &keyboardMode) {
        GenericView::onViewModeFinished();
        return;
    }
    if (!keyboardMode.isAccepted()) {
        setViewMode(this); // cancelled: nothing written
        return;
    }
    onGasTypeCodeEntered();
}

void WizzardInitView::onGasTypeCodeEntered()
{
    markStep(GAS_TYPE_BIT);
    presenter->setGasTypeCode(static_cast<uint8_t>(quillon::WideString::atoi(keyboardMode.getText())));
    Pages* pages = ShellPages::find();
    if (pageManager == nullptr || pages == nullptr) {
        setViewMode(this);
        return;
    }
    pageManager->setParam(Params::TileChoice{0}); // the gas type
    pageManager->goTo(&pages->tileSelectorPage, false);
}

void WizzardInitView::addWhenMissing(Entry entry)
{
    if (!listControl.contains(&items[entry])) {
        listControl.add(&items[entry]);
    }
}

void WizzardInitView::fillList()
{
    const bool released = presenter != nullptr && presenter->isFillingReleased();
    if (released != listControl.contains(&items[FILLING])) {
        listControl.clear(true); // the filling entry comes or goes: the order starts over
    }
    updateLanguageItem();
    addWhenMissing(LANGUAGE);
    updateDateTimeItem();
    addWhenMissing(DATE_AND_TIME);
    updateBuildingTypeItem();
    addWhenMissing(BUILDING_TYPE);
    if (released) {
        addWhenMissing(FILLING);
    }
    updateGasTypeItem();
    addWhenMissing(GAS_TYPE);
    listControl.updateItems();
    keepFlagClearOfTheName();
}

void WizzardInitView::updateLanguageItem()
{
    const uint32_t language = presenter != nullptr ? presenter->getLanguage() : LANGUAGE_COUNT;
    if (language >= LANGUAGE_COUNT) {
        return; // the label alone
    }
    items[LANGUAGE].setValueText(quillon::TypedText(NAMES[language]).getText());
    items[LANGUAGE].setIcon(quillon::Bitmap(FLAGS[language]), FLAG_OFFSET);
}

// At its usual place the flag would cover the start of a long name ("Slovensky"): such a
// name pushes it to the left, once the list has given the line its width.
void WizzardInitView::keepFlagClearOfTheName()
{
    const uint32_t language = presenter != nullptr ? presenter->getLanguage() : LANGUAGE_COUNT;
    const guicontrols::LongButton& button = items[LANGUAGE].getButton();
    if (language >= LANGUAGE_COUNT || button.getWidth() <= 0) {
        return;
    }
    const quillon::Bitmap flag(FLAGS[language]);
    const int16_t centred = static_cast<int16_t>(button.getWidth() / 2 - flag.getWidth() / 2);
    const int16_t fitting = static_cast<int16_t>(button.getValueTextLeft() - FLAG_GAP - flag.getWidth() - centred);
    if (fitting < FLAG_OFFSET) {
        items[LANGUAGE].setIcon(flag, fitting);
    }
}

void WizzardInitView::updateDateTimeItem()
{
    dateTimeText[0] = 0;
    if (presenter != nullptr) {
        const helpers::DateTime now = presenter->getCurrentDateTime();
        uint16_t used = now.formatShortDate(dateTimeText, DATE_TIME_TEXT_SIZE, true, true);
        used = static_cast<uint16_t>(used + quillon::WideString::strncpy(dateTimeText + used, SPACE,
                                                                      static_cast<uint16_t>(DATE_TIME_TEXT_SIZE - used)));
        now.getTime().format(dateTimeText + used, static_cast<uint16_t>(DATE_TIME_TEXT_SIZE - used));
    }
    items[DATE_AND_TIME].setValueText(dateTimeText);
}

void WizzardInitView::updateBuildingTypeItem()
{
    const bool single = presenter != nullptr && presenter->getBuildingType() != 0;
    items[BUILDING_TYPE].setValueText(quillon::TypedText(single ? SINGLE_FAMILY : MULTI_FAMILY).getText());
}

void WizzardInitView::updateGasTypeItem()
{
    const bool liquefied = presenter != nullptr && presenter->getGasType() != 0;
    items[GAS_TYPE].setValueText(quillon::TypedText(liquefied ? LIQUEFIED_GAS : NATURAL_GAS).getText());
}
