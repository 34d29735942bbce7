#include "SettingsBed.hpp"

#include "gui/common/ConfirmViewMode.hpp"
#include "gui/common/FeedbackViewMode.hpp"
#include "gui/screens/settings/BasePasswordView.hpp"
#include "model/settings/SettingsGroup.hpp"

#include "gui/screens/heating/ScreenDriving.hpp"
#include "support/screen/TextFit.hpp"

#include <quillon/TypedText.hpp>

namespace settings_test
{
namespace
{
const quillon::WideChar* wide(const char16_t* text)
{
    return reinterpret_cast<const quillon::WideChar*>(text);
}

// The password screens on the settings road; the ids without a page object through pages of
// the test's own.
class PasswordScreens : public SettingsBed
{
public:
    using SettingsBed::type; // for the preview's steps
    void SetUp() override
    {
        SettingsBed::SetUp();
        app.bed.frame().setCounting(false);
        settings().opPass.set(wide(u"PLOVER"));
        settings().servPass.set(wide(u"service"));
        settings().menuPass.set(wide(u"menu"));
        settings().masterPass.set(wide(u"MASTER"));
    }

    // Through the menu item as a user goes, or (in any language) to the page.
    BasePasswordView& openPanelPassword(bool byMenuItem = true)
    {
        openSettingsMenu();
        if (byMenuItem) {
            tapMenuItem(u"Change password");
        } else {
            app.open(app.pages().lockPanelPasswordPage);
            app.bed.ticks(1);
        }
        return screen();
    }
    BasePasswordView& openOwnPage(std::uint16_t id)
    {
        openSettingsMenu();
        // Outlive the application, which may still hold them on its history.
        static pagemanager::Page level2(53, 5, 120, false);
        static pagemanager::Page reset(54, 5, 120, false);
        static pagemanager::Page service(55, 5, 120, false);
        app.open(id == 53 ? level2 : id == 54 ? reset : service);
        app.bed.ticks(1);
        return screen();
    }
    BasePasswordView& screen()
    {
        BasePasswordView* view = app.screen<BasePasswordView>();
        EXPECT_NE(view, nullptr) << "no password screen";
        return *view;
    }

    void enter(BasePasswordView& view, const std::u16string& text)
    {
        erase(view.getKeyboard(), 17);
        type(view.getKeyboard(), text);
        tapBottomButton(BasePasswordView::OK_BUTTON);
    }
    std::u16string edited(BasePasswordView& view) { return str(view.getKeyboard().getText()); }
    std::u16string question() { return str(frame()->getConfirmMode().getQuestionField().getText()); }
    bool asking() { return frame()->getViewMode() == &frame()->getConfirmMode(); }
};

TEST_F(PasswordScreens, PanelPasswordOldInAnyCaseThenNewAfterTheQuestion)
{
    BasePasswordView& view = openPanelPassword();
    EXPECT_EQ(shownPage(), 56);
    EXPECT_EQ(title(), u"Old password");
    EXPECT_EQ(edited(view), u"");
    const guicontrols::BottomBar& bar = view.getBottomBar();
    EXPECT_FALSE(bar.getButton(GenericView::HELP_BUTTON).isTouchable());
    EXPECT_FALSE(bar.getButton(GenericView::SERVICE_NOTICE_BUTTON).isTouchable());

    // Only the operator's own password: not the service or the master one, not a wrong one.
    for (const char16_t* refused : {u"service", u"master", u"plove"}) {
        enter(view, refused);
        EXPECT_TRUE(feedbackShown());
        EXPECT_EQ(feedbackMessage(), u"Access denied");
        tapBottomButton(FeedbackViewMode::CONTINUE_BUTTON);
        EXPECT_EQ(frame()->getViewMode(), frame());
        EXPECT_EQ(view.getStep(), 0u);
        EXPECT_EQ(edited(view), refused);
    }

    enter(view, u"plover");
    EXPECT_EQ(view.getStep(), 1u);
    EXPECT_EQ(title(), u"New password");
    EXPECT_EQ(edited(view), u"");

    enter(view, u"abcdefghijklmnopq"); // the seventeenth letter is refused
    EXPECT_EQ(edited(view), u"abcdefghijklmnop");
    ASSERT_TRUE(asking());
    EXPECT_EQ(question(), str(quillon::TypedText(BasePasswordView::QUESTION).getText()));
    tapBottomButton(ConfirmViewMode::NO_BUTTON);
    EXPECT_FALSE(asking());
    EXPECT_EQ(edited(view), u"abcdefghijklmnop");
    EXPECT_EQ(str(settings().opPass.get()), u"PLOVER");
    tapBottomButton(BasePasswordView::OK_BUTTON);
    ASSERT_TRUE(asking());
    tapBottomButton(ConfirmViewMode::YES_BUTTON);
    EXPECT_EQ(str(settings().opPass.get()), u"abcdefghijklmnop");
    EXPECT_EQ(shownPage(), app.pages().settingsMenuPage.getId());

    // Entered again: the new one passes, the old one no longer.
    tapMenuItem(u"Change password");
    BasePasswordView& again = screen();
    enter(again, u"plover");
    EXPECT_TRUE(feedbackShown());
    tapBottomButton(FeedbackViewMode::CONTINUE_BUTTON);
    enter(again, u"abcdefghijklmnop");
    EXPECT_EQ(again.getStep(), 1u);
}

// No check of the new text beyond its length: an empty one is stored and then passes.
TEST_F(PasswordScreens, AnEmptyNewPasswordIsStoredAndThenPasses)
{
    BasePasswordView& view = openPanelPassword();
    enter(view, u"plover");
    ASSERT_EQ(view.getStep(), 1u);
    tapBottomButton(BasePasswordView::OK_BUTTON);
    ASSERT_TRUE(asking());
    tapBottomButton(ConfirmViewMode::YES_BUTTON);
    EXPECT_EQ(str(settings().opPass.get()), u"");
    tapMenuItem(u"Change password");
    tapBottomButton(BasePasswordView::OK_BUTTON);
    EXPECT_EQ(screen().getStep(), 1u);
}

TEST_F(PasswordScreens, ServiceAndMenuScreensStoreTheirOwnPassword)
{
    struct Case
    {
        std::uint16_t page;
        const char16_t* old;
        const char16_t* refused;
        model::SettingProperty<unsigned short[17]> model::SettingsGroup::*setting;
    };
    const Case cases[] = {
        {55, u"service", u"master", &model::SettingsGroup::servPass},
        {53, u"menu", u"service", &model::SettingsGroup::menuPass},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        BasePasswordView& view = openOwnPage(c.page);
        enter(view, c.refused);
        EXPECT_TRUE(feedbackShown());
        tapBottomButton(FeedbackViewMode::CONTINUE_BUTTON);
        enter(view, c.old);
        ASSERT_EQ(view.getStep(), 1u);
        enter(view, u"fresh");
        tapBottomButton(ConfirmViewMode::YES_BUTTON);
        EXPECT_EQ(str((settings().*c.setting).get()), u"fresh");
        EXPECT_EQ(str(settings().opPass.get()), u"PLOVER");
        EXPECT_EQ(shownPage(), app.pages().settingsMenuPage.getId());
    }
}

TEST_F(PasswordScreens, ResetAsksAtOnceAndRestoresAllButTheMasterPassword)
{
    BasePasswordView& view = openOwnPage(54);
    enter(view, u"service");
    EXPECT_TRUE(feedbackShown());
    tapBottomButton(FeedbackViewMode::CONTINUE_BUTTON);
    enter(view, u"master");
    ASSERT_TRUE(asking());
    EXPECT_EQ(question(), str(quillon::TypedText(BasePasswordView::QUESTION).getText()));
    EXPECT_EQ(view.getStep(), 0u);
    EXPECT_EQ(title(), u"Old password");
    tapBottomButton(ConfirmViewMode::NO_BUTTON);
    EXPECT_EQ(str(settings().servPass.get()), u"service");
    tapBottomButton(BasePasswordView::OK_BUTTON);
    ASSERT_TRUE(asking());
    tapBottomButton(ConfirmViewMode::YES_BUTTON);
    // As a fresh store holds them: the menu password's default is longer than a setting keeps
    // and is cut to its 16 characters rather than refused, which would leave the old one.
    EXPECT_EQ(str(settings().servPass.get()), str(model::SettingsGroup::getDefaultServicePassword()));
    EXPECT_GT(str(model::SettingsGroup::getDefaultMenuPassword()).size(), 16u);
    EXPECT_EQ(str(settings().menuPass.get()), str(model::SettingsGroup::getDefaultMenuPassword()).substr(0, 16));
    EXPECT_EQ(str(settings().opPass.get()), str(model::SettingsGroup::getDefaultOperatorPassword()));
    EXPECT_EQ(str(settings().masterPass.get()), u"MASTER");
    EXPECT_EQ(shownPage(), app.pages().settingsMenuPage.getId());
}

// Every step and message of the password screens in every language: the pictures are kept, a
// text wider than its field fails.
TEST_F(PasswordScreens, EveryStepInEveryLanguageFitsItsTexts)
{
    const char* const languages[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};
    struct State
    {
        const char* name;
        void (*reach)(PasswordScreens&);
    };
    const State states[] = {
        {"old", [](PasswordScreens& t) { t.type(t.openPanelPassword(false).getKeyboard(), u"plov"); }},
        {"denied", [](PasswordScreens& t) { t.enter(t.openPanelPassword(false), u"wrong"); }},
        {"new", [](PasswordScreens& t) { t.enter(t.openPanelPassword(false), u"plover"); }},
        {"question", [](PasswordScreens& t) {
             BasePasswordView& view = t.openPanelPassword(false);
             t.enter(view, u"plover");
             t.enter(view, u"fresh");
         }},
        {"reset-question", [](PasswordScreens& t) { t.enter(t.openOwnPage(54), u"master"); }},
    };
    for (int language = 0; language < 10; ++language) {
        for (const State& state : states) {
            const std::string name = std::string("password-") + state.name + "-" + languages[language];
            SCOPED_TRACE(name);
            app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
            state.reach(*this);
            app.bed.ticks(2);
            ASSERT_NE(frame(), nullptr);
            EXPECT_TRUE(test::writePreview(app, "settings", name));
            EXPECT_EQ(test::overwideTexts(frame()->getRootContainer()), std::vector<std::string>{});
        }
    }
}
} // namespace
} // namespace settings_test
