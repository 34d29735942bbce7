#include "gui/screens/energy/BufferLoadOneTimeChargeView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 909;   // "One time charge"
const quillon::TextId TEXT_MESSAGE = 880; // "The DHW cylinder starts heating up." ...
const uint8_t WHITE = 11;
const int16_t TEXT_INSET_X = 20;
const int16_t TEXT_INSET_Y = 10;
} // namespace

BufferLoadOneTimeChargeView::BufferLoadOneTimeChargeView()
    : BaseView<BufferLoadOneTimeChargePresenter>(&Functors::getInstance().plain)
{
    message.setTextId(quillon::TypedText(TEXT_MESSAGE));
    message.setColor(guicontrols::Palette::entry(WHITE));
    message.setAlignment(quillon::CENTER);
    message.setVerticalAlignment(ModeLayout::MIDDLE);
}

quillon::TextId BufferLoadOneTimeChargeView::getTitleText()
{
    return TEXT_TITLE;
}

void BufferLoadOneTimeChargeView::setupContent(guicontrols::Content& area)
{
    // Every build of the screen is the command once more, also after a language change.
    presenter->startOneTimeCharge();
    ModeLayout::placeFrame(area, frame);
    message.setPosition(static_cast<int16_t>(frame.getX() + TEXT_INSET_X), static_cast<int16_t>(frame.getY() + TEXT_INSET_Y),
                        static_cast<int16_t>(frame.getWidth() - 2 * TEXT_INSET_X),
                        static_cast<int16_t>(frame.getHeight() - 2 * TEXT_INSET_Y));
    area.add(frame);
    area.add(message);
}

void BufferLoadOneTimeChargeView::setupBottomBar(guicontrols::BottomBar& bar)
{
    bar.setButtonIcon(OK_BUTTON, ModeLayout::ACCEPT_ICON);
    bar.invalidate();
}

void BufferLoadOneTimeChargeView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (pageManager != nullptr) {
        pageManager->back();
    }
}
