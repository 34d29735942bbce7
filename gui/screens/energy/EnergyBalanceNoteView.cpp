#include "gui/screens/energy/EnergyBalanceNoteView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/TextWrap.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 988; // "Note on energy balance"
const quillon::TextId TEXT_HELP = 705;
const quillon::TextId TEXT_NOTE = 844;
const quillon::TextId TEXT_OK = 1573;
const quillon::TextId TEXT_CANCEL = 801;
const quillon::FontId NOTE_FONT = 22;
const uint8_t NOTE_LINES = 20;
const int16_t NOTE_MARGIN = 100;
const quillon::BitmapId BUTTON_RELEASED = 2;
const quillon::BitmapId BUTTON_PRESSED = 4;
const uint8_t WHITE = 11;
const uint8_t PRESSED_LABEL = 0;
const int16_t BUTTON_GAP = 10;
const int16_t BUTTON_BESIDE_CENTRE = 5;
const int16_t BUTTON_ABOVE_BOTTOM = 20;
const int16_t TEXT_INSET_X = 20;
const int16_t TEXT_INSET_Y = 10;
} // namespace

EnergyBalanceNoteView::EnergyBalanceNoteView()
    : BaseView<EnergyBalanceNotePresenter>(&Functors::getInstance().plain),
      noteText(),
      buttonCallback(this, &EnergyBalanceNoteView::onButtonClicked)
{
    quillon::ButtonWithLabel* buttons[] = {&okButton, &cancelButton};
    const quillon::TextId labels[] = {TEXT_OK, TEXT_CANCEL};
    for (uint8_t i = 0; i < 2; ++i) {
        buttons[i]->setBitmaps(quillon::Bitmap(BUTTON_RELEASED), quillon::Bitmap(BUTTON_PRESSED));
        buttons[i]->setLabelText(quillon::TypedText(labels[i]));
        buttons[i]->setLabelColor(guicontrols::Palette::entry(WHITE));
        buttons[i]->setLabelColorPressed(guicontrols::Palette::entry(PRESSED_LABEL));
        buttons[i]->setAction(buttonCallback);
    }
    note.setColor(guicontrols::Palette::entry(WHITE));
    note.setAlignment(quillon::CENTER);
    note.setVerticalAlignment(ModeLayout::MIDDLE);
}

quillon::TextId EnergyBalanceNoteView::getTitleText()
{
    return TEXT_TITLE;
}

const quillon::WideChar* EnergyBalanceNoteView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void EnergyBalanceNoteView::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, frame);
    const int16_t buttonY =
        static_cast<int16_t>(frame.getY() + frame.getHeight() - okButton.getHeight() - BUTTON_ABOVE_BOTTOM);
    okButton.setXY(static_cast<int16_t>(frame.getX() + frame.getWidth() / 2 - okButton.getWidth() - BUTTON_BESIDE_CENTRE),
                   buttonY);
    cancelButton.setXY(static_cast<int16_t>(okButton.getX() + okButton.getWidth() + BUTTON_GAP), buttonY);
    note.setPosition(static_cast<int16_t>(frame.getX() + TEXT_INSET_X), static_cast<int16_t>(frame.getY() + TEXT_INSET_Y),
                     static_cast<int16_t>(frame.getWidth() - 2 * TEXT_INSET_X),
                     static_cast<int16_t>(frame.getHeight() - okButton.getHeight() - 2 * BUTTON_ABOVE_BOTTOM));
    const quillon::Font* font = ModeLayout::font(NOTE_FONT);
    helpers::wrapText(noteText, NOTE_UNITS, quillon::TypedText(TEXT_NOTE).getText(),
                      helpers::TextWrapSpec(static_cast<uint16_t>(area.getWidth() - NOTE_MARGIN), font, NOTE_LINES));
    note.setText(noteText, font);
    area.add(frame);
    area.add(note);
    area.add(okButton);
    area.add(cancelButton);
}

void EnergyBalanceNoteView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(BACK_BUTTON);
    bar.clearButton(HOME_BUTTON);
    bar.invalidate();
}

void EnergyBalanceNoteView::onButtonClicked(const quillon::AbstractButton& source)
{
    if (&source == &okButton) {
        presenter->acknowledge();
    }
    presenter->proceed();
}
