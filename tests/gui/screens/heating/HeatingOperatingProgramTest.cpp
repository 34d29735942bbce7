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
    EXPECT_EQ(text(view.getQuestion()), u"External program HC 2");
    EXPECT_FALSE(view.getBottomBar().getButton(HeatingOperatingProgramView::CONFIRM_BUTTON).isTouchable());

    // "Yes": the tiles with standby selected; confirm writes 0.
    view.onNoticeFinished(true);
    app.bed.ticks(1);
    EXPECT_TRUE(view.showsTiles());
    EXPECT_EQ(view.getTiles().getSelectedTile(), 0);
    log.writes().clear();
    test::tap(app, view.getBottomBar().getButton(HeatingOperatingProgramView::CONFIRM_BUTTON));
    ASSERT_EQ(log.writes().size(), 1u);
    EXPECT_EQ(log.writes()[0].address, PROGRAM_ADDRESS + 0x1000);
    EXPECT_EQ(log.writes()[0].bytes, std::vector<std::uint8_t>{0});
}

TEST_F(OperatingProgramScreen, NoticesWithoutYesReturnWithoutWriting)
{
    struct Case { std::uint8_t program; std::uint8_t info; Notice notice; };
    const Case cases[] = {
        {5, 0x00, Notice::ExternalControl},    // "No"
        {2, 0x02, Notice::ExternalConnection}, // any button
        {4, 0x02, Notice::ExternalControl},    // both: the external program wins
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.program));
        HeatingOperatingProgramView& view = open(1, c.program, c.info);
        EXPECT_EQ(view.getNotice(), c.notice);
        log.writes().clear();
        view.onNoticeFinished(false);
        EXPECT_TRUE(left());
        EXPECT_TRUE(log.writes().empty());
    }
}
} // namespace
