#include "FrameFixture.hpp"

#include "gui/viewmodes/Relavo20GSMViewMode.hpp"
#include "gui/viewmodes/ServiceLonSubscriberCheckMode.hpp"
#include "gui/viewmodes/ServicePinViewMode.hpp"

namespace frametest
{
namespace
{
struct CountingProperty : model::IProperty
{
    bool isChanged() const override { return false; }
    void setChanged() override {}
    bool request() override { return true; }
    uint32_t getKind() const override { return KIND_DATA_POINT; }
    bool activate() override { return true; }
    bool deactivate() override { return true; }
    bool handleEvent(const model::DataChangedEvent&) override { return false; }
    bool refresh() override
    {
        ++refreshes;
        return true;
    }
    int refreshes = 0;
};

struct FixedResult : ServiceLonSubscriberCheckMode::IResult
{
    bool isCheckOk() override { return ok; }
    bool ok = true;
};

class TimedView : public ModeView
{
public:
    TimedView() : pinMode(*this), checkMode(*this, result), gsmMode(*this, &property) {}
    void onViewModeFinished() override
    {
        ++finished;
        GenericView::onViewModeFinished();
    }

    FixedResult result;
    CountingProperty property;
    ServicePinViewMode pinMode;
    ServiceLonSubscriberCheckMode checkMode;
    Relavo20GSMViewMode gsmMode;
    int finished = 0;
};

class TimedModes : public Frame
{
protected:
    TimedView& showTimed()
    {
        bed.show<TimedView, ModePresenter>();
        bed.ticks(1);
        return bed.view<TimedView>();
    }
    // Ticks the current mode by hand: the frame count is the mode's, not the bed's.
    static void frames(TimedView& view, uint32_t count)
    {
        for (uint32_t i = 0; i < count; ++i) {
            view.getViewMode()->tick();
        }
    }
};

TEST_F(TimedModes, EachEndsByItselfAfterItsFrames)
{
    struct Case
    {
        const char* name;
        uint32_t state;
        uint32_t frames; // 0: never
    };
    const Case cases[] = {
        {"pin", 0, 250},  {"check", 0, 312}, {"check", 1, 250}, {"check", 2, 0},
        {"gsm", 0, 625},  {"gsm", 1, 250},   {"gsm", 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.state));
        TimedView& view = showTimed();
        IViewMode* mode = &view.pinMode;
        if (std::string(c.name) == "check") {
            view.checkMode.setState(c.state);
            mode = &view.checkMode;
        } else if (std::string(c.name) == "gsm") {
            view.gsmMode.setState(c.state);
            mode = &view.gsmMode;
        }
        view.setViewMode(mode);
        const uint32_t before = c.frames != 0 ? c.frames - 1 : 1000;
        frames(view, before);
        EXPECT_EQ(view.finished, 0);
        EXPECT_EQ(view.getViewMode(), mode);
        if (c.frames != 0) {
            frames(view, 1);
            EXPECT_EQ(view.finished, 1);
            EXPECT_EQ(view.getViewMode(), static_cast<IViewMode*>(&view));
        }
        EXPECT_EQ(page(), lastPage());
    }
}

TEST_F(TimedModes, SubscriberCheckShowsTheResultEvery125Frames)
{
    TimedView& view = showTimed();
    view.checkMode.setState(0);
    view.setViewMode(&view.checkMode);
    auto status = [&] { return view.checkMode.getStatusField().getTypedText().getId(); };
    frames(view, 124);
    EXPECT_EQ(status(), 862); // "Check running"
    frames(view, 1);
    EXPECT_EQ(status(), 864); // "Check OK"
    view.result.ok = false;
    frames(view, 124);
    EXPECT_EQ(status(), 864);
    frames(view, 1);
    EXPECT_EQ(status(), 863); // "Check not OK"
}

TEST_F(TimedModes, GsmRefreshesEvery125FramesAndOffersAcceptOnlyWhenDone)
{
    TimedView& view = showTimed();
    view.gsmMode.setState(0);
    view.setViewMode(&view.gsmMode);
    EXPECT_EQ(icon(Relavo20GSMViewMode::ACCEPT_BUTTON), quillon::BITMAP_NONE);
    frames(view, 249);
    EXPECT_EQ(view.property.refreshes, 1);
    frames(view, 1);
    EXPECT_EQ(view.property.refreshes, 2);

    view.gsmMode.setState(1);
    view.setViewMode(&view.gsmMode);
    EXPECT_EQ(icon(Relavo20GSMViewMode::ACCEPT_BUTTON), 210);
    press(Relavo20GSMViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(view.finished, 1);
}
} // namespace
} // namespace frametest
