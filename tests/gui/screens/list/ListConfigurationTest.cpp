#include "gui/common/BasePresenter.hpp"
#include "gui/common/BaseView.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/SimpleTextProvider.hpp"

#include "support/TextReading.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using quillon::test::text;

// Counts which hook ran.
struct HookCounter : ListConfiguration
{
    void configureInformation() override { ++information; }
    void configureDiagnosis() override { ++diagnosis; }
    void configureStatus() override { ++status; }
    void setMode(int32_t value) { mode = value; }
    int information = 0;
    int diagnosis = 0;
    int status = 0;
};

TEST(ListConfiguration, RunsTheHookOfItsMode)
{
    struct Case { int32_t mode; int information, diagnosis, status; };
    const Case cases[] = {
        {LIST_MODE_INFORMATION, 1, 0, 0},
        {LIST_MODE_DIAGNOSIS, 0, 1, 0},
        {LIST_MODE_STATUS, 0, 0, 1},
        {7, 0, 0, 1}, // anything else counts as Status
        {-1, 0, 0, 1},
    };
    test::ScreenTestBed bed; // bitmaps and fonts of the items
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        HookCounter list;
        EXPECT_EQ(list.getMode(), LIST_MODE_INFORMATION); // before the screen chooses
        list.setMode(c.mode);
        list.configure();
        EXPECT_EQ(list.information, c.information);
        EXPECT_EQ(list.diagnosis, c.diagnosis);
        EXPECT_EQ(list.status, c.status);
    }
}

class ListTestPresenter;

// A list screen of lines "Line 0".."Line n-1"; the line `skipped` is left out while set.
class ListTestView : public BaseView<ListTestPresenter>, public ListConfiguration
{
public:
    static constexpr uint32_t LINES = 12;

    ListTestView() : BaseView<ListTestPresenter>(nullptr)
    {
        for (uint32_t i = 0; i < LINES; ++i) {
            labels[i] = u"Line " + std::u16string(1, static_cast<char16_t>(u'A' + i));
            providers[i].setTexts(reinterpret_cast<const quillon::WideChar*>(labels[i].c_str()), EMPTY, 0);
        }
    }

    void setupContent(guicontrols::Content& area) override
    {
        listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
        configure();
        area.add(listControl);
    }

    void configureInformation() override
    {
        beginList();
        for (uint32_t i = 0; i < LINES; ++i) {
            if (i != skipped) {
                addLine(&providers[i]);
            }
        }
        endList();
    }

    // The whole stock and then some, from one pass.
    uint32_t fillBeyondTheStock(uint32_t baseLines, uint32_t subLines)
    {
        beginList();
        uint32_t taken = 0;
        for (uint32_t i = 0; i < baseLines; ++i) {
            taken += addLine(&providers[0]) ? 1 : 0;
        }
        for (uint32_t i = 0; i < subLines; ++i) {
            taken += addSubLine(&providers[1], 1) ? 1 : 0;
        }
        endList();
        return taken;
    }

    void addOwnItems(uint32_t count)
    {
        for (uint32_t i = 0; i < count && i < OWN_ITEMS; ++i) {
            own[i].setProvider(&providers[2]);
            listControl.add(&own[i]);
        }
    }

    guicontrols::ListControl& list() { return listControl; }

    uint32_t skipped = LINES;

private:
    static constexpr quillon::WideChar EMPTY[1] = {0};
    static constexpr uint32_t OWN_ITEMS = 20;
    std::u16string labels[LINES];
    guicontrols::SimpleTextProvider providers[LINES];
    guicontrols::SubTextItem own[OWN_ITEMS];
};

class ListTestPresenter : public BasePresenter
{
public:
    explicit ListTestPresenter(IView& view) : BasePresenter(view) {}
};

class ListScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bed.show<ListTestView, ListTestPresenter>();
        bed.ticks(2);
    }
    ListTestView& view() { return bed.view<ListTestView>(); }
    std::u16string label(uint32_t item) { return text(view().getBaseItem(item).getTextField().getText()); }

    test::ScreenTestBed bed;
};

TEST_F(ListScreen, LaysLinesOutWithTheListsSpacingAndInsets)
{
    const quillon::Rectangle list = view().getListControl().getAbsoluteRect();
    const quillon::Rectangle first = view().getBaseItem(0).getAbsoluteRect();
    const quillon::Rectangle second = view().getBaseItem(1).getAbsoluteRect();
    EXPECT_EQ(first.x - list.x, ListConfiguration::INSET_LEFT);
    // The list keeps its scroll-bar column and shifts its items 5 px down with it.
    EXPECT_EQ(first.y - list.y, ListConfiguration::INSET_TOP + 5);
    EXPECT_EQ(list.y + list.height - view().getListControl().getItemsArea().getAbsoluteRect().y -
                  view().getListControl().getItemsArea().getHeight(),
              ListConfiguration::INSET_BOTTOM + 5);
    EXPECT_EQ(second.y - (first.y + first.height), ListConfiguration::ITEM_SPACING);
    EXPECT_EQ(view().getListControl().getItemSpacing(), 10);
    EXPECT_EQ(label(0), u"Line A");
    EXPECT_EQ(view().getListControl().getCount(), ListTestView::LINES);
}

TEST_F(ListScreen, ARebuildKeepsTheScrollOffsetAndMovesLaterLinesUp)
{
    const quillon::Rectangle down = view().getListControl().getDownButton().getAbsoluteRect();
    ASSERT_TRUE(view().getListControl().getDownButton().isVisible());
    bed.click(static_cast<int16_t>(down.x + down.width / 2), static_cast<int16_t>(down.y + down.height / 2));
    bed.ticks(2);
    const uint16_t offset = view().getListControl().getScrollOffset();
    ASSERT_GT(offset, 0);

    view().skipped = 1; // the device of line B went away
    view().configure();
    bed.ticks(1);
    EXPECT_EQ(view().getListControl().getScrollOffset(), offset);
    EXPECT_EQ(view().getListControl().getCount(), ListTestView::LINES - 1);
    EXPECT_EQ(label(0), u"Line A");
    EXPECT_EQ(label(1), u"Line C"); // took the freed item
    EXPECT_EQ(label(10), u"Line L");
}

TEST_F(ListScreen, WithoutItsOwnHookTheListIsLeftAsItWas)
{
    // A screen that fills its list directly and overrides no hook: configure changes
    // nothing, not even the scroll offset or the lines.
    struct Direct : ListConfiguration
    {
        void fill(guicontrols::ITextContentProvider* provider)
        {
            beginList();
            addLine(provider);
            addSubLine(provider);
            endList();
        }
        void setMode(int32_t value) { mode = value; }
    } direct;
    guicontrols::SimpleTextProvider provider(reinterpret_cast<const quillon::WideChar*>(u"X"),
                                             reinterpret_cast<const quillon::WideChar*>(u"1"), 0);
    direct.fill(&provider);
    for (int32_t mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        direct.setMode(mode);
        direct.configure();
        EXPECT_EQ(direct.getListControl().getCount(), 2u);
        EXPECT_TRUE(direct.getListControl().contains(&direct.getSubItem(0)));
    }
}

TEST_F(ListScreen, APassTakesNoMoreThanTheStockAndTheListNoMoreThanAHundred)
{
    // 60 base and 45 sub lines: the lines past the stock are dropped, none taken from
    // past the arrays.
    EXPECT_EQ(view().fillBeyondTheStock(60, 45), ListConfiguration::BASE_ITEMS + ListConfiguration::SUB_ITEMS);
    EXPECT_EQ(view().getListControl().getCount(), 90u);
    EXPECT_TRUE(view().getListControl().contains(&view().getSubItem(39)));

    // Ten more of the screen's own fill the list; the 101st add is ignored.
    view().addOwnItems(11);
    EXPECT_EQ(view().getListControl().getCount(), static_cast<uint32_t>(guicontrols::ListControl::MAX_ITEMS));

    // The next pass starts from the first items again.
    view().configure();
    EXPECT_EQ(view().getListControl().getCount(), ListTestView::LINES);
    EXPECT_EQ(label(0), u"Line A");
    EXPECT_FALSE(view().getListControl().contains(&view().getSubItem(0)));
}
} // namespace
