#include "gui/screens/settings/SettingsDateView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_HELP = 700;
const quillon::TextId TEXT_DATE_ACCEPTED = 1447;
} // namespace

SettingsDateView::SettingsDateView() : SettingsAcceptView<SettingsDatePresenter>(&Functors::getInstance().plain) {}

const quillon::WideChar* SettingsDateView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void SettingsDateView::setupContent(guicontrols::Content& area)
{
    dateEdit.setXY(EDIT_X, EDIT_Y);
    dateEdit.setDate(presenter->getCurrentDateTime());
    area.add(dateEdit);
}

void SettingsDateView::onAccept()
{
    // "Date accepted" only for a date the clock took; a refused one goes back at once.
    if (presenter->setDateTime(dateEdit.getDate())) {
        showFeedback(quillon::TypedText(TEXT_DATE_ACCEPTED).getText());
    } else if (pageManager != nullptr) {
        pageManager->back();
    }
}
