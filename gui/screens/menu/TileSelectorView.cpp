#include "gui/screens/menu/TileSelectorView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/IPopupManager.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::WideChar EMPTY[] = {0};

struct ChoiceTexts
{
    quillon::TextId title;
    quillon::TextId help; // TYPED_TEXT_INVALID: no help button
    quillon::TextId tile0;
    quillon::TextId tile1;
};

// By choice: gas type, solar pump, circulation pump, destratification pump, proxy, LAN module.
const ChoiceTexts TEXTS[] = {
    {946, 721, 921, 941},
    {1096, 768, 1018, 1494},
    {1197, quillon::TYPED_TEXT_INVALID, 1044, 1000},
    {1561, quillon::TYPED_TEXT_INVALID, 1044, 1000},
    {1062, 1062, 1044, 1000},
    {1026, 744, 825, 902},
};

const ChoiceTexts* textsOf(TileSelectorPresenter::Choice choice)
{
    return choice == TileSelectorPresenter::CHOICE_NONE ? nullptr : &TEXTS[choice];
}
} // namespace

// The presenter is not bound yet: the choice comes from the page manager directly.
TileSelectorView::TileSelectorView()
    : BaseView<TileSelectorPresenter>(&Functors::getInstance().plain),
      tileSelector(2),
      choice(TileSelectorPresenter::resolveChoice(pageManager))
{
    const ChoiceTexts* texts = textsOf(choice);
    if (texts != nullptr) {
        tileSelector.setTile(0, quillon::TypedText(texts->tile0), quillon::Bitmap(quillon::BITMAP_NONE));
        tileSelector.setTile(1, quillon::TypedText(texts->tile1), quillon::Bitmap(quillon::BITMAP_NONE));
    }
}

void TileSelectorView::setupContent(guicontrols::Content& area)
{
    tileSelector.setSelectedTile(presenter != nullptr ? presenter->getValue() : 0);
    tileSelector.layoutIn(area);
    area.invalidate();
}

void TileSelectorView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonTouchable(SERVICE_NOTICE_BUTTON, false);
    bar.setButtonTouchable(OK_BUTTON, true);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void TileSelectorView::confirmLanModule()
{
    if (tileSelector.getSelectedTile() == 1) {
        // The popup asks for the user's consent and writes the switch itself.
        pagemanager::IPopupManager* popups = pageManager != nullptr ? pageManager->getPopupManager() : nullptr;
        if (popups != nullptr) {
            popups->close(LAN_CARD_ENABLE_POPUP);
            popups->show(LAN_CARD_ENABLE_POPUP, 1);
        }
        return;
    }
    // The feedback goes back when it ends.
    showFeedback(quillon::TypedText(LAN_DEACTIVATED_TEXT).getText());
    presenter->setValue(0);
}

void TileSelectorView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (presenter == nullptr || pageManager == nullptr || choice == TileSelectorPresenter::CHOICE_NONE) {
        return;
    }
    if (choice == TileSelectorPresenter::LAN_MODULE) {
        confirmLanModule();
        return;
    }
    if (choice == TileSelectorPresenter::GAS_TYPE && !presenter->isGasTypeWritable()) {
        return;
    }
    presenter->setValue(static_cast<uint8_t>(tileSelector.getSelectedTile()));
    pageManager->back();
}

const quillon::WideChar* TileSelectorView::getTitle()
{
    const ChoiceTexts* texts = textsOf(choice);
    return texts != nullptr ? quillon::TypedText(texts->title).getText() : EMPTY;
}

const quillon::WideChar* TileSelectorView::getHelpText()
{
    const ChoiceTexts* texts = textsOf(choice);
    if (texts == nullptr || texts->help == quillon::TYPED_TEXT_INVALID) {
        return nullptr;
    }
    return quillon::TypedText(texts->help).getText();
}
