#include "gui/popups/RealPopups.hpp"

#include "gui/pagemanager/Params.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <string>

// The question popups on the real application: the question asked and what each answer does.
namespace popuptest
{
namespace
{

using QuestionPopups = RealPopups;

TEST_F(QuestionPopups, AModeAboveFillingKeepsThePreviousOne)
{
    FillingVentingPopup::setMode(FillingVentingPopup::MODE_FILLING);
    FillingVentingPopup::setMode(3);
    EXPECT_EQ(FillingVentingPopup::getMode(), FillingVentingPopup::MODE_FILLING);
    FillingVentingPopup::setMode(FillingVentingPopup::MODE_VENTING);
    FillingVentingPopup::setMode(0xFF);
    EXPECT_EQ(FillingVentingPopup::getMode(), FillingVentingPopup::MODE_VENTING);

    raise(POPUP_FILLING_VENTING);
    EXPECT_EQ(popup<FillingVentingPopup>(POPUP_FILLING_VENTING).getMessage().getTypedText().getId(), 1100);
    manager().close(POPUP_FILLING_VENTING);
    app.bed.ticks(1);
    FillingVentingPopup::setMode(FillingVentingPopup::MODE_FILLING);
    raise(POPUP_FILLING_VENTING);
    EXPECT_EQ(popup<FillingVentingPopup>(POPUP_FILLING_VENTING).getMessage().getTypedText().getId(), 1099);
    manager().close(POPUP_FILLING_VENTING);
}

TEST_F(QuestionPopups, NoOnVentingInsideTheWizardReturnsToTheAnchorElseGoesBackOnePage)
{
    struct Case
    {
        const char* name;
        uint8_t mode;
        bool storeRequest;
        uint8_t request;
        bool toAnchor;
    };
    const Case cases[] = {
        {"venting in the wizard", FillingVentingPopup::MODE_VENTING, true, 1, true},
        {"venting, request 0", FillingVentingPopup::MODE_VENTING, true, 0, false},
        {"venting, no request", FillingVentingPopup::MODE_VENTING, false, 0, false},
        {"filling in the wizard", FillingVentingPopup::MODE_FILLING, true, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // main (anchor) -> main menu -> venting
        app.open(app.pages().mainPage);
        app.open(app.pages().mainMenuPage);
        app.pageManager().removeParam(Params::PARAM_FILLING_VENTING);
        if (c.storeRequest) {
            app.pageManager().setParam(Params::FillingVenting{c.request});
        }
        app.open(app.pages().ventingPage);
        cover();
        FillingVentingPopup::setMode(c.mode);
        raise(POPUP_FILLING_VENTING);
        tap(popup<FillingVentingPopup>(POPUP_FILLING_VENTING).getNoButton());
        EXPECT_EQ(currentPage(), c.toAnchor ? static_cast<pagemanager::Page*>(&app.pages().mainPage)
                                            : &app.pages().mainMenuPage);
        EXPECT_EQ(shown(), nullptr);
        // Dismissed, not closed: the procedure's screen still sees it active.
        EXPECT_TRUE(manager().isActive(POPUP_FILLING_VENTING));
        manager().close(POPUP_FILLING_VENTING);
        app.pageManager().removeParam(Params::PARAM_FILLING_VENTING);
        app.bed.ticks(1);
    }
}

TEST_F(QuestionPopups, YesOnFillingOrVentingClosesIt)
{
    raise(POPUP_FILLING_VENTING);
    tap(popup<FillingVentingPopup>(POPUP_FILLING_VENTING).getYesButton());
    EXPECT_FALSE(manager().isActive(POPUP_FILLING_VENTING));
    EXPECT_EQ(shown(), nullptr);
    EXPECT_EQ(currentPage(), &app.pages().mainMenuPage);
}

// Yes on the security warning with the device's two check states and a check maybe already
// running: the popup that comes up next.
class SecurityWarning : public RealPopups
{
protected:
    uint16_t answerYes(uint8_t allowed, uint8_t state, bool alreadyRunning)
    {
        app.bed.deviceSends(CHECK_ALLOWED, allowed);
        app.bed.deviceSends(CHECK_STATE, state);
        if (alreadyRunning) {
            EXPECT_TRUE(data().startFlueGasCheck());
        }
        raise(POPUP_GAS_SENSOR_SECURITY_WARNING);
        tap(popup<GasSensorSecurityWarningPopup>(POPUP_GAS_SENSOR_SECURITY_WARNING).getYesButton());
        EXPECT_FALSE(manager().isActive(POPUP_GAS_SENSOR_SECURITY_WARNING));
        const uint16_t next = manager().getCurrent();
        EXPECT_EQ(shown(), PopupFactory::getInstance()->getPopup(next));
        return next;
    }
};

TEST_F(SecurityWarning, YesStartsTheCheckWhenTheDeviceAllowsIt)
{
    EXPECT_EQ(answerYes(1, 1, false), POPUP_ABGAS_SENSOR);
}

TEST_F(SecurityWarning, YesAsksTheWizardQuestionWhenPoint225IsNot1)
{
    EXPECT_EQ(answerYes(0, 1, false), POPUP_ADVANCED_WIZARD);
}

TEST_F(SecurityWarning, YesAsksTheWizardQuestionWhenPoint953IsNot1)
{
    EXPECT_EQ(answerYes(1, 2, false), POPUP_ADVANCED_WIZARD);
}

TEST_F(SecurityWarning, YesAsksTheWizardQuestionWhileACheckRuns)
{
    EXPECT_EQ(answerYes(1, 1, true), POPUP_ADVANCED_WIZARD);
}

TEST_F(QuestionPopups, AcceptAndRefuseSwitchTheLanModuleAndGoBack)
{
    struct Case
    {
        bool accept;
        uint8_t written;
    };
    for (const Case& c : {Case{true, 1}, Case{false, 0}}) {
        SCOPED_TRACE(c.accept);
        app.open(app.pages().dateTimeMenuPage);
        cover();
        test::WriteLog log;
        raise(POPUP_LAN_CARD_ENABLE);
        LanCardEnablePopup& question = popup<LanCardEnablePopup>(POPUP_LAN_CARD_ENABLE);
        tap(c.accept ? question.getAcceptButton() : question.getRefuseButton());
        EXPECT_EQ(app.bed.model().getGroups().lan.moduleOn.getValue(), c.written);
        ASSERT_EQ(test::WriteLog::writes().size(), 1u);
        EXPECT_EQ(test::WriteLog::writes()[0].bytes, std::vector<std::uint8_t>{c.written});
        EXPECT_EQ(currentPage(), &app.pages().mainMenuPage);
        EXPECT_FALSE(manager().isActive(POPUP_LAN_CARD_ENABLE));
        app.bed.ticks(1);
        cover();
    }
}

TEST_F(QuestionPopups, MaximalOutputYesDismissesNoClosesAndGoesBack)
{
    app.open(app.pages().dateTimeMenuPage);
    cover();
    raise(POPUP_MAXIMAL_THERMAL_OUTPUT);
    tap(popup<MaximalThermalOutputPopup>(POPUP_MAXIMAL_THERMAL_OUTPUT).getYesButton());
    EXPECT_EQ(shown(), nullptr);
    EXPECT_TRUE(manager().isActive(POPUP_MAXIMAL_THERMAL_OUTPUT));
    EXPECT_EQ(currentPage(), &app.pages().dateTimeMenuPage);

    manager().close(POPUP_MAXIMAL_THERMAL_OUTPUT);
    raise(POPUP_MAXIMAL_THERMAL_OUTPUT);
    tap(popup<MaximalThermalOutputPopup>(POPUP_MAXIMAL_THERMAL_OUTPUT).getNoButton());
    EXPECT_EQ(shown(), nullptr);
    EXPECT_FALSE(manager().isActive(POPUP_MAXIMAL_THERMAL_OUTPUT));
    EXPECT_EQ(currentPage(), &app.pages().mainMenuPage);
}

TEST_F(QuestionPopups, TheCommissioningAnswersLeadOnThroughTheWizard)
{
    struct Case
    {
        const char* name;
        uint16_t id;
        bool yes;
        uint16_t nextPopup;
        pagemanager::Page* page;
    };
    Pages& pages = app.pages();
    const Case cases[] = {
        {"11 yes", POPUP_ADVANCED_WIZARD, true, POPUP_DEVICES_SECURITY_WARNING, &pages.mainMenuPage},
        {"11 no", POPUP_ADVANCED_WIZARD, false, POPUP_NONE, &pages.wizardReportMenuPage},
        {"12 yes", POPUP_DEVICES_SECURITY_WARNING, true, POPUP_NONE, &pages.wizardDetectedDevicesPage},
        {"17 yes", POPUP_SCHEME_TIMEOUT, true, POPUP_NONE, &pages.mainMenuPage},
        {"17 no", POPUP_SCHEME_TIMEOUT, false, POPUP_NONE, &pages.wizardReportMenuPage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.open(pages.mainPage);
        app.open(pages.mainMenuPage);
        cover();
        raise(c.id);
        QuestionPopup& question = popup<QuestionPopup>(c.id);
        tap(c.yes ? question.getYesButton() : question.getNoButton());
        EXPECT_FALSE(manager().isActive(c.id));
        EXPECT_EQ(manager().getCurrent(), c.nextPopup);
        EXPECT_EQ(currentPage(), c.page);
        if (c.nextPopup != POPUP_NONE) {
            manager().close(c.nextPopup);
        }
        app.bed.ticks(1);
    }
}

// The wrapped questions: at most their lines, each no wider than the wrap, the text cut
// with "..." where it does not fit; 13 and 17 are n lines of their own font high.
TEST_F(QuestionPopups, WrappedQuestionsKeepToTheirLinesInEveryLanguage)
{
    struct Case
    {
        uint16_t id;
        quillon::TextId question;
        uint8_t lines;
    };
    const Case cases[] = {{POPUP_GAS_SENSOR_SECURITY_WARNING, 958, 2}, {POPUP_ADVANCED_WIZARD, 1175, 2},
                          {POPUP_DEVICES_SECURITY_WARNING, 957, 3}, {POPUP_MAXIMAL_THERMAL_OUTPUT, 1101, 5},
                          {POPUP_SCHEME_TIMEOUT, 1091, 3}};
    for (int language = 0; language < 10; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(language) + " " + std::to_string(c.id));
            raise(c.id);
            QuestionPopup& question = popup<QuestionPopup>(c.id);
            const guicontrols::TextField& field = c.id == POPUP_SCHEME_TIMEOUT ? question.getTitle() : question.getMessage();
            const std::u16string wrapped = text(field.getText());
            std::u16string source = text(quillon::TypedText(c.question).getText());
            int lines = 1;
            for (char16_t ch : wrapped) {
                lines += ch == u'\n' ? 1 : 0;
            }
            EXPECT_LE(lines, c.lines);
            const bool endsInDots = wrapped.size() >= 3 && wrapped.compare(wrapped.size() - 3, 3, u"...") == 0;
            // Without the cut every character of the question is there, breaks aside.
            std::u16string bare;
            for (char16_t ch : wrapped) {
                if (ch != u'\n' && ch != u' ') {
                    bare.push_back(ch);
                }
            }
            std::u16string bareSource;
            for (char16_t ch : source) {
                if (ch != u'\n' && ch != u' ') {
                    bareSource.push_back(ch);
                }
            }
            if (endsInDots) {
                EXPECT_EQ(bareSource.compare(0, bare.size() - 3, bare, 0, bare.size() - 3), 0);
            } else {
                EXPECT_EQ(bare, bareSource);
            }
            manager().close(c.id);
            app.bed.ticks(1);
        }
    }
    app.bed.setLanguage(1);
}

// No question of the table is too long in any language, so the cut is shown on a longer text
// through the same wrapping step.
TEST_F(QuestionPopups, AQuestionLongerThanItsLinesEndsInDots)
{
    guicontrols::TextField field;
    quillon::WideChar buffer[150];
    PopupLayout::showWrapped(field, buffer, 150, 957, 1, PopupLayout::WRAP_FONT, 175, 60);
    const std::u16string wrapped = text(field.getText());
    ASSERT_GE(wrapped.size(), 3u);
    EXPECT_EQ(wrapped.substr(wrapped.size() - 3), u"...");
    EXPECT_EQ(std::count(wrapped.begin(), wrapped.end(), u'\n'), 0);
    EXPECT_EQ(field.getWidth(), 760);
    EXPECT_EQ(field.getHeight(), 60);
}

// The first row of a button's label ink, counted from the button's top; -1 for none.
int firstLabelRow(test::AppTestBed& app, const quillon::ButtonWithLabel& button)
{
    const quillon::Rectangle r = button.getAbsoluteRect();
    const quillon::Color ink = guicontrols::Palette::entry(0);
    for (int16_t y = 0; y < r.height; ++y) {
        for (int16_t x = 10; x < r.width - 10; ++x) {
            if (app.bed.frame().at(static_cast<int16_t>(r.x + x), static_cast<int16_t>(r.y + y)) == ink) {
                return y;
            }
        }
    }
    return -1;
}

// A popup is built once: built under "Ja", shown under "Yes", its "Yes" stood higher than its
// "No", centred by the height of the German label and its "J".
TEST_F(QuestionPopups, LabelsBuiltInOneLanguageStandOnOneLineInAnother)
{
    app.bed.setLanguage(0);
    FillingVentingPopup& asked = ownPopup<FillingVentingPopup>(POPUP_FILLING_VENTING);
    for (quillon::LanguageId language : {1, 7}) { // "Yes" / "No", "Ano" / "Ne"
        SCOPED_TRACE(language);
        app.bed.setLanguage(language);
        raise(POPUP_FILLING_VENTING);
        app.bed.ticks(1);
        ASSERT_EQ(shown(), &asked);
        const int yes = firstLabelRow(app, asked.getYesButton());
        ASSERT_GE(yes, 0);
        EXPECT_EQ(yes, firstLabelRow(app, asked.getNoButton()));
        manager().close(POPUP_FILLING_VENTING);
        app.bed.ticks(1);
    }
    app.bed.setLanguage(1);
}

TEST_F(QuestionPopups, MaximalOutputAndSchemeTimeoutAreNLinesOfTheirFontHigh)
{
    raise(POPUP_MAXIMAL_THERMAL_OUTPUT);
    const guicontrols::TextField& question = popup<QuestionPopup>(POPUP_MAXIMAL_THERMAL_OUTPUT).getMessage();
    EXPECT_EQ(question.getHeight(), 5 * question.getFont()->getFullHeight());
    manager().close(POPUP_MAXIMAL_THERMAL_OUTPUT);
    raise(POPUP_SCHEME_TIMEOUT);
    const guicontrols::TextField& note = popup<QuestionPopup>(POPUP_SCHEME_TIMEOUT).getTitle();
    EXPECT_EQ(note.getHeight(), 2 * note.getFont()->getFullHeight());
    manager().close(POPUP_SCHEME_TIMEOUT);
}

} // namespace
} // namespace popuptest
