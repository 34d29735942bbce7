#include "gui/popups/RealPopups.hpp"

#include "model/DataModelManager.hpp"

#include <quillon/TypedText.hpp>

#include <string>

// The message popups on the real application: their texts, their one button and what it does.
namespace popuptest
{
namespace
{
const quillon::WideChar* wide(const char16_t* text)
{
    return reinterpret_cast<const quillon::WideChar*>(text);
}

using MessagePopups = RealPopups;

TEST_F(MessagePopups, ADismissedFaultStaysAwayUntilTheFaultClearsAndReturns)
{
    sendFault(true);
    app.bed.ticks(1);
    ASSERT_EQ(shown(), &popup<FaultPopup>(POPUP_FAULT));
    tap(popup<FaultPopup>(POPUP_FAULT).getButton());
    EXPECT_EQ(shown(), nullptr);

    sendFault(true); // the fault lasts
    app.bed.ticks(2);
    EXPECT_EQ(shown(), nullptr);

    sendFault(false);
    app.bed.ticks(1);
    sendFault(true);
    app.bed.ticks(1);
    EXPECT_EQ(shown(), &popup<FaultPopup>(POPUP_FAULT));
}

TEST_F(MessagePopups, ContactLinesShowTheNameAndTheFirstNumberGivenAtEveryShowing)
{
    model::SettingsGroup& settings = app.bed.model().getGroups().settings;
    struct Case
    {
        const char16_t* telephone;
        const char16_t* mobile;
        const char16_t* email;
        const char16_t* number;
    };
    const Case cases[] = {
        {u"0711 123", u"0170 456", u"a@b.de", u"0711 123"},
        {u"", u"0170 456", u"a@b.de", u"0170 456"},
        {u"", u"", u"a@b.de", u"a@b.de"},
        {u"", u"", u"", u""},
    };
    // Both popups with contact lines, each shown anew for every case.
    for (std::uint16_t id : {POPUP_FAULT, POPUP_SERVICE}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(id) + " " + std::to_string(&c - cases));
            settings.name.set(wide(u"Heating %s Ltd"));
            settings.telephone.set(wide(c.telephone));
            settings.mobile.set(wide(c.mobile));
            settings.email.set(wide(c.email));
            raise(id);
            const ContactLines& lines = id == POPUP_FAULT ? popup<FaultPopup>(id).getContactLines()
                                                          : popup<ServicePopup>(id).getContactLines();
            EXPECT_EQ(text(lines.getName().getText()), u"Heating %s Ltd"); // literally
            EXPECT_EQ(text(lines.getNumber().getText()), c.number);
            EXPECT_GT(lines.getNumber().getY(), lines.getName().getY());
            manager().close(id);
            app.bed.ticks(1);
        }
    }
}

TEST_F(MessagePopups, TheLanErrorSaysDhcpOrLanByTheStateAndKeepsItsTextWithout)
{
    struct Case
    {
        std::uint32_t state;
        quillon::TextId message;
    };
    // 0 keeps the text of the showing before it, whichever that was.
    const Case cases[] = {{4, 896}, {0, 896}, {8, 888}, {0, 888}, {16, 888}, {4, 896}, {0x1C, 896}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        app.bed.deviceSends(LAN_STATE, c.state);
        raise(POPUP_LAN_ERROR);
        ASSERT_EQ(shown(), &popup<LANErrorPopup>(POPUP_LAN_ERROR));
        EXPECT_EQ(popup<LANErrorPopup>(POPUP_LAN_ERROR).getMessage().getTypedText().getId(), c.message);
        manager().close(POPUP_LAN_ERROR);
        app.bed.ticks(1);
    }
}

TEST_F(MessagePopups, TheLanErrorConfirmedLeavesItsScreen)
{
    app.open(app.pages().dateTimeMenuPage);
    cover();
    raise(POPUP_LAN_ERROR);
    tap(popup<LANErrorPopup>(POPUP_LAN_ERROR).getButton());
    EXPECT_EQ(currentPage(), &app.pages().mainMenuPage);
    EXPECT_FALSE(manager().isActive(POPUP_LAN_ERROR));
}

TEST_F(MessagePopups, TheCommunicationErrorHasNoButtonAndIgnoresTouches)
{
    raise(POPUP_COMMUNICATION_ERROR);
    CommunicationErrorPopup& error = popup<CommunicationErrorPopup>(POPUP_COMMUNICATION_ERROR);
    ASSERT_EQ(shown(), &error);
    EXPECT_FALSE(error.hasButton());
    EXPECT_EQ(error.getButton().getParent(), nullptr);
    const quillon::Rectangle inside = error.getAbsoluteRect();
    const std::int16_t points[][2] = {{5, 5}, {795, 475}, {10, 300}, {400, 20}, {400, 460},
                                      {static_cast<std::int16_t>(inside.x + 380), static_cast<std::int16_t>(inside.y + 340)}};
    for (const auto& p : points) {
        app.bed.click(p[0], p[1]);
        app.bed.ticks(1);
    }
    EXPECT_EQ(shown(), &error);
    EXPECT_EQ(currentPage(), &app.pages().mainMenuPage);
    EXPECT_TRUE(manager().isActive(POPUP_COMMUNICATION_ERROR));
}

TEST_F(MessagePopups, ConfirmingTheErrorCodeRaisesTheWizardQuestionOnTopAtOnce)
{
    raise(POPUP_FAULT);
    raise(POPUP_ERROR_CODE);
    tap(popup<ErrorCodePopup>(POPUP_ERROR_CODE).getButton());
    EXPECT_EQ(manager().getCurrent(), POPUP_ADVANCED_WIZARD);
    EXPECT_EQ(shown(), PopupFactory::getInstance()->getPopup(POPUP_ADVANCED_WIZARD));
    EXPECT_FALSE(manager().isActive(POPUP_ERROR_CODE));
    manager().close(POPUP_ADVANCED_WIZARD);
    manager().close(POPUP_FAULT);
}

TEST_F(MessagePopups, OkOnTheClockErrorOpensDateAndTimeWithHistory)
{
    raise(POPUP_RTC_ERROR);
    const std::uint16_t history = app.pageManager().getHistorySize();
    tap(popup<RTCErrorPopup>(POPUP_RTC_ERROR).getButton());
    EXPECT_EQ(currentPage(), &app.pages().dateTimeMenuPage);
    EXPECT_EQ(app.pageManager().getHistorySize(), history + 1);
    EXPECT_EQ(shown(), nullptr);
    app.bed.ticks(1);
    app.pageManager().back();
    EXPECT_EQ(currentPage(), &app.pages().mainMenuPage);
}

TEST_F(MessagePopups, TheOtherButtonsDismissAndTheLevelStays)
{
    for (std::uint16_t id : {POPUP_SERVICE, POPUP_COMBUSTION_CONTROLLER_LOCKED, POPUP_SYSTEM_SCHEME_ERROR}) {
        SCOPED_TRACE(id);
        raise(id);
        MessagePopup& message = popup<MessagePopup>(id);
        ASSERT_EQ(shown(), &message);
        tap(message.getButton());
        EXPECT_EQ(shown(), nullptr);
        EXPECT_TRUE(manager().isActive(id));
        manager().show(id, 1);
        app.bed.ticks(1);
        EXPECT_EQ(shown(), nullptr);
        manager().close(id);
    }
    raise(POPUP_HYDRAULIC_BALANCING);
    EXPECT_FALSE(popup<MessagePopup>(POPUP_HYDRAULIC_BALANCING).hasButton());
    manager().close(POPUP_HYDRAULIC_BALANCING);
}
} // namespace
} // namespace popuptest
