#include "gui/screens/wizard/WizzardCylinderTypeView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
// By type; type 0 has no button of its own.
const quillon::TextId TYPE_TEXTS[WizzardCylinderTypeView::BUTTON_COUNT] = {quillon::TYPED_TEXT_INVALID, 903, 1198,
                                                                           858, 1136, 1013};
const uint8_t FIRST_TYPE = 1;
} // namespace

WizzardCylinderTypeView::WizzardCylinderTypeView()
    : BaseView<WizzardCylinderTypePresenter>(&Functors::getInstance().plain),
      buttonClicked(this, &WizzardCylinderTypeView::onButtonClicked),
      chosenType(0),
      touched(false)
{
    for (uint8_t type = FIRST_TYPE; type < BUTTON_COUNT; ++type) {
        buttons[type].setText(quillon::TypedText(TYPE_TEXTS[type]));
        buttons[type].setAction(buttonClicked);
        buttons[type].disableExtraText();
        buttons[type].setChecked(false);
    }
}

const quillon::WideChar* WizzardCylinderTypeView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}

void WizzardCylinderTypeView::setupContent(guicontrols::Content& area)
{
    list.setPadding(0, 0, 0, 0);
    list.setItemSpacing(ITEM_SPACING);
    list.setPosition(LIST_X, LIST_Y, static_cast<int16_t>(area.getWidth() - 50),
                     static_cast<int16_t>(area.getHeight() - 20));
    area.add(list);
    fillList();
}

void WizzardCylinderTypeView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, OK_ICON);
}

void WizzardCylinderTypeView::update()
{
    fillList();
}

void WizzardCylinderTypeView::fillList()
{
    list.removeAll();
    for (uint8_t type = FIRST_TYPE; type < BUTTON_COUNT; ++type) {
        list.addItem(buttons[type]);
    }
    // One mark only: a refill must not add the device's value beside the engineer's choice.
    if (!touched && presenter != nullptr) {
        chosenType = presenter->getCylinderType();
    }
    mark(chosenType);
    list.invalidate();
}

void WizzardCylinderTypeView::mark(uint8_t type)
{
    chosenType = type;
    for (uint8_t i = 0; i < BUTTON_COUNT; ++i) {
        const bool marked = i == type;
        if (buttons[i].isChecked() != marked) {
            buttons[i].setChecked(marked);
            buttons[i].invalidate();
        }
    }
}

void WizzardCylinderTypeView::onButtonClicked(const quillon::AbstractButton& button)
{
    for (uint8_t type = FIRST_TYPE; type < BUTTON_COUNT; ++type) {
        if (&button == &buttons[type]) {
            touched = true;
            mark(type);
        }
    }
}

void WizzardCylinderTypeView::onBottomBarButton(int index)
{
    switch (index) {
    case OK_BUTTON:
        if (presenter != nullptr && chosenType >= FIRST_TYPE && chosenType < BUTTON_COUNT) {
            presenter->setCylinderType(chosenType);
        }
        if (pageManager != nullptr) {
            pageManager->back();
        }
        break;
    default:
        GenericView::onBottomBarButton(index);
        break;
    }
}
