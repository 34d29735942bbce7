#include "../pagemanager/NavigationFakes.hpp"
#include "gui/common/BasePresenter.hpp"
#include "gui/common/BaseView.hpp"
#include "gui/common/Functors.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/shell/ShellContext.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{

std::u16string shown(const quillon::WideChar* text)
{
    std::u16string result;
    while (text != nullptr && *text != 0) {
        result.push_back(static_cast<char16_t>(*text++));
    }
    return result;
}

const quillon::WideChar* wide(const char16_t* text)
{
    return reinterpret_cast<const quillon::WideChar*>(text);
}

class FramePresenter;

// A screen of the frame alone; it records what the frame calls on it.
class FrameView : public BaseView<FramePresenter>
{
public:
    FrameView() : BaseView<FramePresenter>(&Functors::getInstance().plain) { presenterAtConstruction = presenter; }
    ~FrameView() override { ++destroyed; }

    quillon::TextId getTitleText() override { return 963; } // "Heating circuit"
    void refresh() override { ++refreshes; }

    FramePresenter* presenterAtConstruction;
    int refreshes = 0;
    static int destroyed;
};
int FrameView::destroyed = 0;

class FramePresenter : public BasePresenter
{
public:
    explicit FramePresenter(FrameView& view) : BasePresenter(view) {}
};

// The screen bed with a page manager behind the frame.
class ScreenFrame : public ::testing::Test
{
protected:
    ScreenFrame() : viewer(log), pageManager(&viewer, &passwords, navtest::PAGE_AUTH)
    {
        ShellContext::current().pageManager = &pageManager;
        ShellContext::current().model = &bed.model();
    }
    ~ScreenFrame() override { ShellContext::current() = ShellContext(); }

    void goToDepth(int depth)
    {
        for (int i = 0; i < depth; ++i) {
            pageManager.goTo(&pages[i], false);
        }
    }

    quillon::BitmapId icon(uint8_t index)
    {
        return bed.view<FrameView>().getBottomBar().getButton(index).getIcon().getId();
    }

    test::ScreenTestBed bed;
    navtest::CallLog log;
    navtest::RecordingViewer viewer;
    navtest::FakePasswords passwords;
    pagemanager::PageManager pageManager;
    pagemanager::Page pages[3] = {{51, 1, -1, true}, {14, 1, -1, false}, {34, 1, -1, false}};
};

TEST_F(ScreenFrame, HomeAndBackFollowTheHistoryAndTheHandedOnIcon)
{
    struct Case
    {
        int depth;
        bool storeIcon;
        uint16_t storedIcon;
        quillon::BitmapId home, back;
    };
    const Case cases[] = {
        {1, false, 0, quillon::BITMAP_NONE, quillon::BITMAP_NONE}, // root: neither
        {2, false, 0, quillon::BITMAP_NONE, 204},                  // no stored icon: no home
        {2, true, 0xFFFF, quillon::BITMAP_NONE, 204},              // above a wizard home page
        {3, true, 208, 208, 204},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        pageManager.reset();
        goToDepth(c.depth);
        if (c.storeIcon) {
            pageManager.backTo(false);
            pageManager.setParam(Params::HomeIcon{c.storedIcon});
            goToDepth(c.depth);
            pageManager.goTo(&pages[c.depth - 1], false);
        }
        bed.show<FrameView, FramePresenter>();
        EXPECT_EQ(icon(GenericView::HOME_BUTTON), c.home);
        EXPECT_EQ(icon(GenericView::BACK_BUTTON), c.back);
    }
}

TEST_F(ScreenFrame, BackAndHomeButtonsNavigate)
{
    goToDepth(3);
    bed.show<FrameView, FramePresenter>();
    bed.view<FrameView>().onBottomBarButton(GenericView::BACK_BUTTON);
    EXPECT_EQ(pageManager.getCurrentPage(), &pages[1]);
    pageManager.goTo(&pages[2], false);
    bed.view<FrameView>().onBottomBarButton(GenericView::HOME_BUTTON);
    EXPECT_EQ(pageManager.getCurrentPage(), &pages[0]); // the newest anchor
}

TEST_F(ScreenFrame, TitleTicksAndPresenterBinding)
{
    goToDepth(2);
    FramePresenter& presenter = bed.show<FrameView, FramePresenter>();
    FrameView& view = bed.view<FrameView>();
    EXPECT_EQ(view.presenterAtConstruction, nullptr);
    EXPECT_EQ(presenter.getCurrentDateTime(), bed.model().getTimeManager().getDateTime()); // the model's clock
    EXPECT_EQ(shown(view.getTopBar().getTitleField().getText()), u"Heating circuit");
    bed.ticks(1); // the first frame after a change may go to the transition
    const int before = view.refreshes;
    bed.ticks(3);
    EXPECT_EQ(view.refreshes, before + 3);
}

TEST(BaseView, DestroyingThroughAnyInterfaceDestroysTheWholeView)
{
    test::ScreenTestBed bed; // texts and display for the bars
    FrameView::destroyed = 0;
    IView* asView = new FrameView();
    delete asView;
    IViewMode* asMode = new FrameView();
    delete asMode;
    quillon::Screen* asScreen = new FrameView();
    delete asScreen;
    EXPECT_EQ(FrameView::destroyed, 3);
}

TEST_F(ScreenFrame, TitleFunctors)
{
    guicontrols::TopBar bar(0, 0, 800, 72);
    TitleFunctor& plain = Functors::getInstance().plain;
    TitleFunctor& heating = Functors::getInstance().heating;
    heating.setPageManager(&pageManager);
    heating.setModel(&bed.model());
    model::SettingsGroup& settings = bed.model().getGroups().settings;
    settings.hc2.set(wide(u"Attic"));
    goToDepth(1);

    auto title = [&](TitleFunctor& functor, const char16_t* text) {
        functor(bar, wide(text));
        return shown(bar.getTitleField().getText());
    };
    EXPECT_EQ(title(plain, u"50%s 10%% 1%"), u"50%s 10% 1%"); // user text never reads arguments
    EXPECT_EQ(title(heating, u"Menu"), u"Heating circuit 1 Menu"); // nothing selected

    HeatingCircuitParam circuit = {};
    circuit.circuit = 1;
    pageManager.setParam(circuit);
    EXPECT_EQ(title(heating, u"Menu"), u"Attic Menu");
    settings.hc2.set(wide(u"50%s"));
    EXPECT_EQ(title(heating, u"Menu"), u"50%s Menu");
    settings.hc2.set(wide(u""));
    EXPECT_EQ(title(heating, u"Menu"), u"Heating circuit 2 Menu");
    settings.hc2.set(wide(u"Attic"));
    circuit.titleByNumber = 1;
    pageManager.setParam(circuit);
    EXPECT_EQ(title(heating, u"Menu"), u"Heating circuit 2 Menu");
}

} // namespace
