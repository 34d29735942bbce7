#include "gui/common/KeyboardViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

KeyboardViewMode::KeyboardViewMode(IView& owner)
    : modeOwner(&owner), keyboard(&defaultKeyboard), inputCheckMode(0), accepted(false)
{
    savedText[0] = 0;
}

void KeyboardViewMode::setKeyboard(guicontrols::GenericKeyboard* keyboardInUse)
{
    keyboard = keyboardInUse != nullptr ? keyboardInUse : &defaultKeyboard;
}

void KeyboardViewMode::setTitle(const quillon::WideChar* title)
{
    titleField.setText(ModeLayout::orEmpty(title), ModeLayout::font(ModeLayout::TITLE_FONT));
}

void KeyboardViewMode::setText(const quillon::WideChar* text)
{
    // Cut and always terminated: the copy is what cancel puts back.
    uint16_t length = 0;
    if (text != nullptr) {
        while (length < SAVED_CAPACITY - 1 && text[length] != 0) {
            savedText[length] = text[length];
            ++length;
        }
    }
    savedText[length] = 0;
    keyboard->setText(savedText);
}

void KeyboardViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void KeyboardViewMode::setupContent(guicontrols::Content& area)
{
    keyboard->setPosition(0, 0, area.getWidth(), area.getHeight());
    area.add(*keyboard);
}

void KeyboardViewMode::setupBottomBar(guicontrols::BottomBar& bar)
{
    bar.clearButton(SERVICE_NOTICE_BUTTON);
    bar.setButtonIcon(CANCEL_BUTTON, ModeLayout::BACK_ICON);
    bar.setButtonIcon(ACCEPT_BUTTON, ModeLayout::ACCEPT_ICON);
    // Home whether or not there is a history, as the nearest home page's icon.
    pagemanager::PageManager* pageManager = ShellContext::current().pageManager;
    const Params::HomeIcon* home = pageManager != nullptr ? pageManager->getParam<Params::HomeIcon>(nullptr) : nullptr;
    if (home != nullptr && home->bitmap != quillon::BITMAP_NONE) {
        bar.setButtonIcon(HOME_BUTTON, home->bitmap);
    }
}

void KeyboardViewMode::onBottomBarButton(int index)
{
    switch (index) {
    case ACCEPT_BUTTON:
        accepted = true;
        if (keyboard->isInputValid(inputCheckMode)) {
            modeOwner->onViewModeFinished();
        }
        break;
    case CANCEL_BUTTON:
        accepted = false;
        keyboard->setText(savedText);
        keyboard->invalidate();
        modeOwner->onViewModeFinished();
        break;
    case HOME_BUTTON: {
        modeOwner->onViewModeFinished();
        pagemanager::PageManager* pageManager = ShellContext::current().pageManager;
        if (pageManager != nullptr) {
            pageManager->backTo(true);
        }
        break;
    }
    default:
        break;
    }
}
