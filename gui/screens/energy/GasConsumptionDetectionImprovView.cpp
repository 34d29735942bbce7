#include "gui/screens/energy/GasConsumptionDetectionImprovView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId QUESTION = 1090;
const quillon::TextId HELP = 696;
const quillon::TextId YES_TEXT = 1000;
const quillon::TextId NO_TEXT = 1044;
const quillon::BitmapId BUTTON_RELEASED = 2;
const quillon::BitmapId BUTTON_PRESSED = 4;
const uint8_t TEXT_COLOUR = 11;
const uint8_t PRESSED_LABEL = 0;
} // namespace

GasConsumptionDetectionImprovView::GasConsumptionDetectionImprovView()
    : BaseView<GasConsumptionDetectionImprovPresenter>(&Functors::getInstance().plain),
      buttonCallback(this, &GasConsumptionDetectionImprovView::onButtonClicked)
{
    quillon::ButtonWithLabel* buttons[] = {&yesButton, &noButton};
    const quillon::TextId labels[] = {YES_TEXT, NO_TEXT};
    for (uint8_t i = 0; i < 2; ++i) {
        buttons[i]->setBitmaps(quillon::Bitmap(BUTTON_RELEASED), quillon::Bitmap(BUTTON_PRESSED));
        buttons[i]->setLabelText(quillon::TypedText(labels[i]));
        buttons[i]->setLabelColor(guicontrols::Palette::entry(TEXT_COLOUR));
        buttons[i]->setLabelColorPressed(guicontrols::Palette::entry(PRESSED_LABEL));
        buttons[i]->setAction(buttonCallback);
    }
    question.setTextId(quillon::TypedText(QUESTION));
    question.setColor(guicontrols::Palette::entry(TEXT_COLOUR));
    question.setAlignment(quillon::CENTER);
    question.setVerticalAlignment(ModeLayout::MIDDLE);
    // Shown only with the question: a stored reading hands over before anything is seen.
    topBar.setVisible(false);
}

const quillon::WideChar* GasConsumptionDetectionImprovView::getHelpText()
{
    return quillon::TypedText(HELP).getText();
}

void GasConsumptionDetectionImprovView::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, panel);
    const int16_t buttonHeight = yesButton.getHeight();
    const int16_t buttonY = static_cast<int16_t>(panel.getY() + panel.getHeight() - buttonHeight - 17);
    // Down to the buttons: six lines of the body font are taller than the panel less the
    // buttons and 34 pixels, and the last line lost its descenders.
    const int16_t questionY = static_cast<int16_t>(panel.getY() + 9);
    question.setPosition(static_cast<int16_t>(panel.getX() + 20), questionY,
                         static_cast<int16_t>(panel.getWidth() - 40), static_cast<int16_t>(buttonY - questionY));
    yesButton.setXY(static_cast<int16_t>(panel.getX() + panel.getWidth() / 2 - yesButton.getWidth() - 5), buttonY);
    noButton.setXY(static_cast<int16_t>(yesButton.getX() + yesButton.getWidth() + 10), buttonY);
}

void GasConsumptionDetectionImprovView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(HOME_BUTTON);
    bar.clearButton(BACK_BUTTON);
    bar.invalidate();
}

void GasConsumptionDetectionImprovView::refresh()
{
    if (presenter->getState() != InputGasMeterReadingPresenter::NO_READING) {
        openReadings();
    } else {
        showContent();
    }
}

void GasConsumptionDetectionImprovView::showContent()
{
    if (panel.getParent() == nullptr) {
        topBar.setVisible(true);
        topBar.invalidate();
        content.add(panel);
    }
    quillon::Drawable* parts[] = {&question, &yesButton, &noButton};
    for (quillon::Drawable* part : parts) {
        if (part->getParent() == nullptr) {
            content.add(*part);
        }
    }
    content.invalidate();
}

void GasConsumptionDetectionImprovView::openReadings()
{
    ShellContext* context = ShellContext::running();
    if (context != nullptr && pageManager != nullptr) {
        pageManager->goTo(&context->pages->gasMeterReadingPage, true);
    }
}

void GasConsumptionDetectionImprovView::onButtonClicked(const quillon::AbstractButton& source)
{
    if (&source == &yesButton) {
        openReadings();
    } else if (pageManager != nullptr) {
        pageManager->back();
    }
}
