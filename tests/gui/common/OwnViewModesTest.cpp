#include "FrameFixture.hpp"

#include "gui/common/KeyboardViewMode.hpp"
#include "gui/viewmodes/ExternalConnectionViewMode.hpp"
#include "gui/viewmodes/ExternalControlViewMode.hpp"
#include "gui/viewmodes/HelioraWarningViewMode.hpp"
#include "guicontrols/CustomKeyboard.hpp"
#include "guicontrols/NumericKeyboard.hpp"

#include <quillon/TypedText.hpp>

namespace frametest
{
namespace
{
// A view that owns its modes and records their endings as a screen would.
class OwningView : public ModeView
{
public:
    OwningView() : keyboardMode(*this), connectionMode(*this), controlMode(*this), warningMode(*this) {}
    void onViewModeFinished() override
    {
        ++finished;
        yesAtFinish = controlMode.isYesSelected();
        GenericView::onViewModeFinished();
    }

    KeyboardViewMode keyboardMode;
    ExternalConnectionViewMode connectionMode;
    ExternalControlViewMode controlMode;
    HelioraWarningViewMode warningMode;
    int finished = 0;
    bool yesAtFinish = false;
};

class OwnModes : public Frame
{
protected:
    OwningView& showOwning()
    {
        bed.show<OwningView, ModePresenter>();
        bed.ticks(1);
        return bed.view<OwningView>();
    }
};

TEST_F(OwnModes, ExternalControlAsksForItsCircuitAndKeepsOneChoice)
{
    OwningView& view = showOwning();
    ExternalControlViewMode& mode = view.controlMode;
    mode.setCircuit(1);
    view.setViewMode(&mode);
    std::u16string expected = shown(quillon::TypedText(933).getText());
    const size_t placeholder = expected.find(u"%s");
    ASSERT_NE(placeholder, std::u16string::npos);
    expected.replace(placeholder, 2, u"2");
    EXPECT_EQ(shown(mode.getHeadlineField().getText()), expected);
    EXPECT_TRUE(mode.getNoButton().isChecked());
    EXPECT_FALSE(mode.getYesButton().isChecked());

    const guicontrols::CheckableSmallButton& yes = mode.getYesButton();
    const int16_t yesX = static_cast<int16_t>(yes.getX() + yes.getWidth() / 2);
    const int16_t yesY = static_cast<int16_t>(CONTENT_Y + yes.getY() + yes.getHeight() / 2);
    for (int i = 0; i < 2; ++i) {
        bed.click(yesX, yesY);
        EXPECT_TRUE(mode.getYesButton().isChecked());
        EXPECT_FALSE(mode.getNoButton().isChecked());
    }
    press(5);
    EXPECT_EQ(view.finished, 1);
    EXPECT_TRUE(view.yesAtFinish);

    view.setViewMode(&mode); // "No" again at every set-up
    EXPECT_TRUE(mode.getNoButton().isChecked());
    EXPECT_FALSE(mode.getYesButton().isChecked());
}

TEST_F(OwnModes, HomeAndBackOfTheExternalModesOnlyEndTheMode)
{
    OwningView& view = showOwning();
    IViewMode* modes[] = {&view.connectionMode, &view.controlMode};
    int finished = 0;
    for (IViewMode* mode : modes) {
        for (uint8_t button : {0, 1}) {
            SCOPED_TRACE(button);
            view.setViewMode(mode);
            EXPECT_EQ(icon(0), 208);
            EXPECT_EQ(icon(1), 204);
            for (uint8_t idle : {2, 3, 4}) {
                view.getViewMode()->onBottomBarButton(idle);
            }
            EXPECT_EQ(view.getViewMode(), mode);
            press(button);
            EXPECT_EQ(view.finished, ++finished);
            EXPECT_EQ(view.getViewMode(), static_cast<const IViewMode*>(&view));
            EXPECT_EQ(page(), lastPage());
        }
    }
}

TEST_F(OwnModes, WarningShowsItsIconAboveTheMessageAndEndsOnAccept)
{
    OwningView& view = showOwning();
    view.warningMode.setup(wide(u"Solar"), wide(u"Check the module"));
    view.setViewMode(&view.warningMode);
    const quillon::Image& warningIcon = view.warningMode.getWarningIcon();
    EXPECT_EQ(warningIcon.getY(), 40);
    EXPECT_EQ(warningIcon.getX() * 2 + warningIcon.getWidth(), 800); // centred
    EXPECT_EQ(view.warningMode.getMessageField().getY(), 40 + warningIcon.getHeight());
    EXPECT_EQ(icon(5), 210);
    view.getViewMode()->onBottomBarButton(1);
    EXPECT_EQ(view.finished, 0);
    press(5);
    EXPECT_EQ(view.finished, 1);
}

TEST_F(OwnModes, KeyboardAcceptsOnlyAValidEntry)
{
    OwningView& view = showOwning();
    guicontrols::NumericKeyboard numbers;
    KeyboardViewMode& mode = view.keyboardMode;
    mode.setKeyboard(&numbers);
    mode.setText(wide(u""));
    mode.setValidator(guicontrols::NumericKeyboard::NOT_EMPTY);
    view.setViewMode(&mode);
    press(KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(view.finished, 0); // an empty line is refused: the keyboard stays
    EXPECT_EQ(view.getViewMode(), &mode);
    EXPECT_TRUE(mode.isAccepted());

    numbers.setText(wide(u"42"));
    press(KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(view.finished, 1);
    EXPECT_TRUE(mode.isAccepted());
    EXPECT_EQ(shown(mode.getText()), u"42");
}

TEST_F(OwnModes, KeyboardCancelRestoresTheGivenTextAndDoesNotNavigate)
{
    OwningView& view = showOwning();
    guicontrols::CustomKeyboard letters;
    KeyboardViewMode& mode = view.keyboardMode;
    mode.setKeyboard(&letters);
    mode.setText(wide(u"Miller"));
    view.setViewMode(&mode);
    letters.setText(wide(u"Smith"));
    ASSERT_EQ(shown(mode.getText()), u"Smith");
    press(KeyboardViewMode::CANCEL_BUTTON);
    EXPECT_EQ(view.finished, 1);
    EXPECT_FALSE(mode.isAccepted());
    EXPECT_EQ(shown(mode.getText()), u"Miller");
    EXPECT_EQ(page(), lastPage()); // cancel is no back button
}

TEST_F(OwnModes, KeyboardOffersTheStoredHomeIconEvenAtTheRoot)
{
    struct Case
    {
        bool store;
        uint16_t storedIcon;
        quillon::BitmapId home;
    };
    const Case cases[] = {{false, 0, quillon::BITMAP_NONE}, {true, 0xFFFF, quillon::BITMAP_NONE}, {true, 208, 208}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        pageManager.reset();
        pageManager.goTo(&pages[0], false); // the root: no history
        if (c.store) {
            pageManager.setParam(Params::HomeIcon{c.storedIcon});
        }
        OwningView& view = showOwning();
        view.setViewMode(&view.keyboardMode);
        EXPECT_EQ(icon(KeyboardViewMode::HOME_BUTTON), c.home);
        EXPECT_EQ(icon(KeyboardViewMode::CANCEL_BUTTON), 204);
        EXPECT_EQ(icon(KeyboardViewMode::ACCEPT_BUTTON), 210);
    }
}

TEST_F(OwnModes, KeyboardHomeEndsTheModeThenGoesToTheAnchor)
{
    pageManager.setParam(Params::HomeIcon{208});
    pageManager.goTo(&pages[1], false);
    OwningView& view = showOwning();
    view.setViewMode(&view.keyboardMode);
    press(KeyboardViewMode::HOME_BUTTON);
    EXPECT_EQ(view.finished, 1);
    EXPECT_EQ(page(), &pages[0]);
}

TEST_F(OwnModes, KeyboardKeepsABoundedTerminatedCopy)
{
    OwningView& view = showOwning();
    KeyboardViewMode& mode = view.keyboardMode;
    const std::u16string longText(60, u'a');
    mode.setText(wide(longText.c_str()));
    EXPECT_EQ(shown(mode.getSavedText()), longText.substr(0, KeyboardViewMode::SAVED_CAPACITY - 1));
    EXPECT_EQ(shown(mode.getText()), u""); // longer than the keyboard takes
    mode.setText(wide(u"Short"));
    EXPECT_EQ(shown(mode.getSavedText()), u"Short"); // no rest of the longer copy behind it
    EXPECT_EQ(shown(mode.getText()), u"Short");
}
} // namespace
} // namespace frametest
