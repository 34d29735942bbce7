#include "gui/screens/wizard/WizardBed.hpp"

#include "guicontrols/KeyboardButton.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
// The key of the character on the keyboard shown.
class KeyFinder
{
public:
    explicit KeyFinder(quillon::WideChar wanted) : wanted(wanted) {}
    void visit(quillon::Drawable& d)
    {
        const guicontrols::KeyboardButton* key = dynamic_cast<const guicontrols::KeyboardButton*>(&d);
        if (key != nullptr && key->getCharacter() == wanted && key->isVisible()) {
            found = &d;
        }
        if (quillon::Container* container = dynamic_cast<quillon::Container*>(&d)) {
            quillon::Callback<KeyFinder, quillon::Drawable&> each(this, &KeyFinder::visit);
            container->forEachChild(each);
        }
    }
    quillon::WideChar wanted;
    quillon::Drawable* found = nullptr;
};

class StartStep : public ::testing::Test, public screens::WizardBed
{
protected:
    StartStep() : languageBefore(groups().settings.language.get()) { groups().settings.language.set(1); }
    ~StartStep() override { groups().settings.language.set(languageBefore); }

    // The labels of the listed entries, top to bottom.
    std::vector<std::u16string> listed(const WizzardInitView& view)
    {
        std::vector<std::pair<int16_t, std::u16string>> lines;
        for (uint32_t i = 0; i < WizzardInitView::ENTRY_COUNT; ++i) {
            const guicontrols::ButtonItem& item = view.getItem(i);
            if (item.getParent() != nullptr) {
                lines.push_back({item.getAbsoluteRect().y, screens::str(item.getButton().getText())});
            }
        }
        std::sort(lines.begin(), lines.end());
        std::vector<std::u16string> labels;
        for (const auto& line : lines) {
            labels.push_back(line.second);
        }
        return labels;
    }

    std::u16string value(const WizzardInitView& view, uint32_t entry)
    {
        return screens::str(view.getItem(entry).getButton().getValueText());
    }

    void typeKey(WizzardInitView& view, quillon::WideChar character)
    {
        KeyFinder finder(character);
        finder.visit(view.getRootContainer());
        ASSERT_NE(finder.found, nullptr) << "no key " << char(character);
        clickOn(*finder.found);
    }

    const std::vector<std::u16string> ALL = {u"Language", u"Date and time", u"Type of building",
                                             u"Filling and venting", u"Gas type"};
    uint32_t languageBefore;
};
} // namespace

TEST_F(StartStep, OpensAtTheHighestLevelWithItsStepTitleAndContinue)
{
    WizzardInitView* view = enterWizard();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(level(), 61);
    // Set directly, the level has no logout time: it stays past the 1800 s of a login.
    for (int second = 0; second < 1801; ++second) {
        app.pageManager().tick();
    }
    EXPECT_EQ(level(), 61);
    EXPECT_EQ(app.pageManager().getHistorySize(), 0);
    EXPECT_EQ(screens::str(view->getTopBar().getSegmentField(0).getText()), u"Start-up");
    EXPECT_EQ(screens::str(view->getTopBar().getRightField().getText()), u"Step 1/5");
    const guicontrols::BottomBar& bar = view->getBottomBar();
    EXPECT_EQ(bar.getButton(0).getIcon().getId(), quillon::BITMAP_NONE);
    EXPECT_EQ(bar.getButton(1).getIcon().getId(), quillon::BITMAP_NONE);
    EXPECT_EQ(bar.getButton(2).getIcon().getId(), +GenericView::HELP_ICON);
    // "Continue" in the green of entry 8.
    EXPECT_GT(app.bed.frame().count(guicontrols::Palette::entry(8), bar.getButton(5).getAbsoluteRect()), 20);

    // Where back would be, nothing happens: there is no history.
    const quillon::Rectangle back = bar.getButton(1).getAbsoluteRect();
    app.bed.click(static_cast<int16_t>(back.x + back.width / 2), static_cast<int16_t>(back.y + back.height / 2));
    app.bed.ticks(2);
    EXPECT_EQ(app.screen<WizzardInitView>(), view);
    EXPECT_TRUE(writes().empty());
}

TEST_F(StartStep, ListsFiveEntriesWithTheUnreadValuesAndNeverTestOperation)
{
    WizzardInitView* view = enterWizard();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(listed(*view), ALL);
    EXPECT_EQ(value(*view, +WizzardInitView::BUILDING_TYPE), u"Multi-family building");
    EXPECT_EQ(value(*view, +WizzardInitView::GAS_TYPE), u"Natural gas");
    EXPECT_EQ(value(*view, +WizzardInitView::DATE_AND_TIME), u"10.12.26 23:59");
    EXPECT_EQ(screens::str(view->getText(+WizzardInitView::TEST_OPERATION)), u"Test operation");
    EXPECT_EQ(screens::str(view->getText(6)), u"");

    app.bed.deviceSends(335, uint8_t{3});
    app.bed.deviceSends(336, uint8_t{1});
    app.bed.ticks(1);
    EXPECT_EQ(value(*view, +WizzardInitView::BUILDING_TYPE), u"Single-family building");
    EXPECT_EQ(value(*view, +WizzardInitView::GAS_TYPE), u"LNG");
}

TEST_F(StartStep, LanguageEntryShowsTheNameAndFlagOfTheLanguageInUse)
{
    struct Case
    {
        uint32_t language;
        const char16_t* name; // null: no value text
        quillon::BitmapId flag;
        bool usualPlace; // the flag at its usual offset; a long name pushes it left
    };
    const Case cases[] = {{0, u"Deutsch", 56, true},
                          {8, u"Slovenský", 64, false},
                          {9, u"Svenska", 63, false},
                          {10, nullptr, quillon::BITMAP_NONE, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        groups().settings.language.set(c.language);
        WizzardInitView* view = enterWizard();
        ASSERT_NE(view, nullptr);
        const guicontrols::LongButton& button = view->getItem(WizzardInitView::LANGUAGE).getButton();
        EXPECT_EQ(screens::str(button.getText()), u"Language");
        EXPECT_EQ(button.getIcon().getId(), c.flag);
        if (c.name == nullptr) {
            EXPECT_EQ(button.getValueText(), nullptr);
            continue;
        }
        EXPECT_EQ(screens::str(button.getValueText()), c.name);
        if (c.usualPlace) {
            EXPECT_EQ(button.getIconOffset(), +WizzardInitView::FLAG_OFFSET);
        }
        const int16_t flagRight = static_cast<int16_t>(button.getWidth() / 2 - button.getIcon().getWidth() / 2 +
                                                       button.getIconOffset() + button.getIcon().getWidth());
        EXPECT_LE(flagRight + WizzardInitView::FLAG_GAP, button.getValueTextLeft());
    }
}

TEST_F(StartStep, TheReleaseRebuildsTheListWithFillingFourth)
{
    WizzardInitView* view = enterWizard();
    ASSERT_NE(view, nullptr);
    app.bed.deviceSends(354, uint8_t{1});
    app.bed.ticks(1);
    EXPECT_EQ(listed(*view), (std::vector<std::u16string>{u"Language", u"Date and time", u"Type of building", u"Gas type"}));
    app.bed.deviceSends(354, uint8_t{0});
    app.bed.ticks(1);
    EXPECT_EQ(listed(*view), ALL);
}

TEST_F(StartStep, ANewMinuteShowsOnTheNextTick)
{
    WizzardInitView* view = enterWizard();
    ASSERT_NE(view, nullptr);
    screens::WizardClock::now() = helpers::DateTime(2026, 12, 11, 0, 0, 0);
    app.bed.ticks(1);
    EXPECT_EQ(value(*view, +WizzardInitView::DATE_AND_TIME), u"10.12.26 23:59"); // the clock said nothing yet
    screens::WizardClock::changed() = true;
    app.bed.ticks(1);
    EXPECT_EQ(value(*view, +WizzardInitView::DATE_AND_TIME), u"11.12.26 00:00");
}

TEST_F(StartStep, TypeOfBuildingTogglesWhatTheTableHoldsAtEachTouch)
{
    WizzardInitView* view = enterWizard();
    ASSERT_NE(view, nullptr);
    forgetWrites();
    touch(*view, WizzardInitView::BUILDING_TYPE);
    EXPECT_EQ(value(*view, +WizzardInitView::BUILDING_TYPE), u"Single-family building");
    touch(*view, WizzardInitView::BUILDING_TYPE);
    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{0x777F, 1}, {0x777F, 0}}));
    EXPECT_EQ(value(*view, +WizzardInitView::BUILDING_TYPE), u"Multi-family building");
    EXPECT_EQ(mask(), 0x0040u);
    EXPECT_EQ(app.screen<WizzardInitView>(), view);
}

TEST_F(StartStep, EntriesOpenTheirPagesWithHistoryAndMarkTheirSteps)
{
    struct Case
    {
        uint32_t entry;
        uint32_t bit;
        pagemanager::Page* page;
    };
    const Case cases[] = {
        {WizzardInitView::DATE_AND_TIME, 0x0001, &app.pages().dateTimeMenuPage},
        {WizzardInitView::LANGUAGE, 0x0002, &app.pages().languagePage},
        {WizzardInitView::FILLING, 0x0004, &app.pages().fillingPage},
    };
    WizzardInitView* view = enterWizard();
    uint32_t expected = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bit);
        ASSERT_NE(view, nullptr);
        touch(*view, c.entry);
        expected |= c.bit;
        EXPECT_EQ(current(), c.page);
        EXPECT_EQ(current()->getId(), c.page->getId());
        EXPECT_EQ(app.pageManager().getHistorySize(), 1);
        EXPECT_EQ(mask(), expected);
        app.pageManager().back();
        app.bed.ticks(2);
        view = app.screen<WizzardInitView>();
    }
    EXPECT_TRUE(writes().empty() || writes().front().address != 0x5711);
}

TEST_F(StartStep, GasTypeWantsTheAccessCodeBeforeTheSelection)
{
    WizzardInitView* view = enterWizard();
    ASSERT_NE(view, nullptr);
    forgetWrites();
    touch(*view, WizzardInitView::GAS_TYPE);
    ASSERT_EQ(view->getViewMode(), &view->getKeyboardMode());
    EXPECT_EQ(screens::str(view->getKeyboardMode().getTitleField().getText()), u"Password");

    // A wrong digit is refused: the keyboard stays, masked, and nothing is recorded.
    typeKey(*view, '3');
    EXPECT_TRUE(view->getKeyboardMode().getKeyboard().getTextBuffer().isMasked());
    EXPECT_EQ(screens::str(view->getKeyboardMode().getText()), u"3");
    clickBottomButton(view->getBottomBar(), KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(view->getViewMode(), &view->getKeyboardMode());
    // Cancel writes nothing and shows the list again.
    clickBottomButton(view->getBottomBar(), KeyboardViewMode::CANCEL_BUTTON);
    EXPECT_EQ(view->getViewMode(), view);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(mask(), 0u);

    touch(*view, WizzardInitView::GAS_TYPE);
    typeKey(*view, static_cast<quillon::WideChar>('0' + guicontrols::NumericKeyboard::WIZARD_ACCESS_CODE));
    clickBottomButton(view->getBottomBar(), KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{0x5711, guicontrols::NumericKeyboard::WIZARD_ACCESS_CODE}}));
    EXPECT_EQ(mask(), 0x0010u);
    const Params::TileChoice* choice = app.pageManager().getParam<Params::TileChoice>(nullptr);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->choice, 0);
    EXPECT_EQ(current(), &app.pages().tileSelectorPage);
    EXPECT_EQ(app.pageManager().getHistorySize(), 1);
}

TEST_F(StartStep, WithoutTheSplashNoStepIsRecorded)
{
    app.open(app.pages().wizardInitPage, true);
    WizzardInitView* view = app.screen<WizzardInitView>();
    ASSERT_NE(view, nullptr);
    touch(*view, WizzardInitView::BUILDING_TYPE);
    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{0x777F, 1}}));
    EXPECT_FALSE(hasMask());
    EXPECT_EQ(app.pageManager().getParam<Params::FillingVenting>(nullptr), nullptr);
}

TEST_F(StartStep, ContinueRaisesTheSecurityQuestionAtOnce)
{
    WizzardInitView* view = enterWizard();
    ASSERT_NE(view, nullptr);
    clickBottomButton(view->getBottomBar(), WizzardInitView::CONTINUE_BUTTON);
    EXPECT_TRUE(popups().isActive(+WizzardInitView::SECURITY_POPUP));
    EXPECT_EQ(popups().getCurrent(), +WizzardInitView::SECURITY_POPUP);
    EXPECT_TRUE(writes().empty());
}
