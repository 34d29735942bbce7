#include "gui/screens/heating/HeatingOperatingProgramView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "support/TextReading.hpp"

#include <gtest/gtest.h>

namespace
{
using quillon::test::text;
using Notice = HeatingOperatingProgramView::Notice;

const std::uint16_t PROGRAM_ADDRESS = 0x2323;

class OperatingProgramScreen : public ::testing::Test
{
protected:
    void SetUp() override { app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); }

    HeatingOperatingProgramView& open(std::uint16_t circuit, std::uint8_t program, std::uint8_t infoByte0)
    {
        hc_info info{};
        info.bytes[0] = infoByte0;
        app.bed.deviceSends(82 + 53 * circuit, program);
        app.bed.deviceSends(85 + 53 * circuit, info);
        app.open(app.pages().mainMenuPage);
        app.pageManager().setParam(HeatingCircuitParam{circuit, 0, 0, 0, {}});
        app.open(app.pages().heatingOperatingProgramPage);
        app.bed.ticks(1);
        HeatingOperatingProgramView* view = app.screen<HeatingOperatingProgramView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    bool left() { app.bed.ticks(2); return app.screen<HeatingOperatingProgramView>() == nullptr; }

    test::AppTestBed app;
    test::WriteLog log;
};

TEST_F(OperatingProgramScreen, PreselectsTheProgramAndConfirmWritesIt)
{
    HeatingOperatingProgramView& view = open(0, 1, 0);
    EXPECT_TRUE(view.showsTiles());
    EXPECT_EQ(view.getTiles().getSelectedTile(), 1); // "DHW only"
    EXPECT_EQ(text(view.getTiles().getTile(1).getText()), u"DHW only");
    log.writes().clear();
    test::tap(app, view.getBottomBar().getButton(HeatingOperatingProgramView::CONFIRM_BUTTON));
    ASSERT_EQ(log.writes().size(), 1u);
    EXPECT_EQ(log.writes()[0].address, PROGRAM_ADDRESS);
    EXPECT_EQ(log.writes()[0].bytes, std::vector<std::uint8_t>{1});
    EXPECT_TRUE(left());
}

TEST_F(OperatingProgramScreen, ATappedTileIsWrittenForTheCircuit)
{
    HeatingOperatingProgramView& view = open(2, 0, 0);
    test::tap(app, view.getTiles().getTile(2));
    log.writes().clear();
    test::tap(app, view.getBottomBar().getButton(HeatingOperatingProgramView::CONFIRM_BUTTON));
    ASSERT_EQ(log.writes().size(), 1u);
    EXPECT_EQ(log.writes()[0].address, PROGRAM_ADDRESS + 0x2000);
    EXPECT_EQ(log.writes()[0].bytes, std::vector<std::uint8_t>{2});
}

TEST_F(OperatingProgramScreen, AnExternalProgramAsksFirst)
{
    HeatingOperatingProgramView& view = open(1, 5, 0);
    EXPECT_EQ(view.getNotice(), Notice::ExternalControl);
    ASSERT_EQ(view.getViewMode(), &view.getControlMode());
    EXPECT_EQ(text(view.getControlMode().getHeadlineField().getText()), u"External program HC 2");
    EXPECT_TRUE(view.getControlMode().getNoButton().isChecked());
    EXPECT_EQ(view.getTiles().getTile(0).getParent(), nullptr); // no tiles under the question

    // "Yes" and confirm: the tiles with standby selected; confirm writes 0.
    test::tap(app, view.getControlMode().getYesButton());
    test::tap(app, view.getBottomBar().getButton(HeatingOperatingProgramView::CONFIRM_BUTTON));
    EXPECT_TRUE(view.showsTiles());
    EXPECT_EQ(view.getTiles().getSelectedTile(), 0);
    EXPECT_NE(view.getTiles().getTile(0).getParent(), nullptr);
    EXPECT_TRUE(log.writes().empty());
    test::tap(app, view.getBottomBar().getButton(HeatingOperatingProgramView::CONFIRM_BUTTON));
    ASSERT_EQ(log.writes().size(), 1u);
    EXPECT_EQ(log.writes()[0].address, PROGRAM_ADDRESS + 0x1000);
    EXPECT_EQ(log.writes()[0].bytes, std::vector<std::uint8_t>{0});
    EXPECT_TRUE(left());
}

TEST_F(OperatingProgramScreen, NoticesWithoutYesReturnWithoutWriting)
{
    struct Case { std::uint8_t program; std::uint8_t info; Notice notice; std::uint8_t button; };
    const Case cases[] = {
        {5, 0x00, Notice::ExternalControl, HeatingOperatingProgramView::CONFIRM_BUTTON}, // "No"
        {5, 0x00, Notice::ExternalControl, GenericView::BACK_BUTTON},
        {2, 0x02, Notice::ExternalConnection, GenericView::BACK_BUTTON},
        {2, 0x02, Notice::ExternalConnection, GenericView::HOME_BUTTON},
        {4, 0x02, Notice::ExternalControl, HeatingOperatingProgramView::CONFIRM_BUTTON}, // the program wins
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.program) << " button " << int(c.button));
        HeatingOperatingProgramView& view = open(1, c.program, c.info);
        EXPECT_EQ(view.getNotice(), c.notice);
        EXPECT_FALSE(view.showsTiles());
        if (c.notice == Notice::ExternalConnection) {
            EXPECT_EQ(view.getViewMode(), &view.getConnectionMode());
            EXPECT_EQ(text(view.getConnectionMode().getLine(0).getText()), u"External connection");
        }
        log.writes().clear();
        test::tap(app, view.getBottomBar().getButton(c.button));
        EXPECT_TRUE(left());
        EXPECT_TRUE(log.writes().empty());
        EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainMenuPage);
    }
}
} // namespace
