#include "gui/pagemanager/EmptyProtector.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/favourites/FavouritesMainView.hpp"
#include "gui/screens/main/MainView.hpp"
#include "gui/common/PageIndicatorDataProvider.hpp"
#include "support/TextReading.hpp"
#include "support/screen/AppTestBed.hpp"

#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <gtest/gtest.h>

#include <cstdint>

namespace
{
using quillon::test::text;

const int16_t BAR_Y = 445;
const int16_t LEFT_ARROW_X = 4 * 134 + 67;
const int16_t RIGHT_ARROW_X = 5 * 134 + 65;

// Favourite bits of the tile list: holiday programs 0..2, one-time charge 3, hot-water time
// programs 4..6, heating time programs 7..9, energy balance 10.
class Favourites : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.app.setLanguage(quillon::LANGUAGE_ENGLISH, false);
        for (std::uint32_t flag : {0u, 1u, 2u}) {
            device(flag, true);
        }
    }

    void device(std::uint32_t flag, bool present) { app.bed.model().getDeviceManager().setPresence(flag, present); }
    void favourites(std::uint32_t bits) { app.bed.model().getGroups().settings.favourites.set(bits); }
    void open()
    {
        app.open(app.pages().mainPage, true);
        app.open(app.pages().favouritesMainPage); // from the root: onto the history
        app.bed.ticks(1);
    }
    FavouritesMainView& view() { return *app.screen<FavouritesMainView>(); }
    pagemanager::Page* current() { return app.pageManager().getCurrentPage(); }
    void click(int16_t x, int16_t y)
    {
        app.bed.click(x, y);
        app.bed.ticks(1);
    }
    void clickTile(uint8_t index)
    {
        const quillon::Rectangle tile = view().getTile(index).getAbsoluteRect();
        click(static_cast<int16_t>(tile.x + tile.width / 2), static_cast<int16_t>(tile.y + tile.height / 2));
    }

    test::AppTestBed app;
};

TEST_F(Favourites, NothingChosenShowsOnlyTheManagementTileCentred)
{
    favourites(0);
    open();
    ASSERT_EQ(view().getTileCount(), 1);
    const FavouritesMainView::FavouriteButton& tile = view().getTile(0);
    EXPECT_EQ(text(tile.getText()), u"Select favorites");
    EXPECT_EQ(tile.getX(), (800 - tile.getWidth()) / 2);
    EXPECT_EQ(view().getPageIndicator().getNumberOfPages(), 3);
    EXPECT_EQ(view().getPageIndicator().getCurrentPage(), 2);
    EXPECT_EQ(text(view().getMainTopBar().getTitle()), u"Favorites 1");
}

TEST_F(Favourites, SevenTilesMakeASecondPageWhoseRightArrowReturnsHome)
{
    favourites(0x18F); // holidays 1-3, one-time charge, heating time programs 1 and 2
    open();
    ASSERT_EQ(view().getTileCount(), 7);
    EXPECT_EQ(view().getPageCount(), 2);
    EXPECT_EQ(view().getPageIndicator().getNumberOfPages(), 4);
    for (uint8_t i = 0; i < 6; ++i) {
        EXPECT_LT(view().getTile(i).getX() + view().getTile(i).getWidth(), 800) << int(i);
    }
    EXPECT_GE(view().getTile(6).getX(), 720);
    EXPECT_EQ(text(view().getTile(6).getText()), u"Select favorites");
    EXPECT_EQ(text(view().getTile(0).getText()), u"Holiday program 1");

    click(RIGHT_ARROW_X, BAR_Y);
    EXPECT_EQ(FavouritesMainView::getShownPage(), 1);
    EXPECT_EQ(text(view().getMainTopBar().getTitle()), u"Favorites 2");
    EXPECT_EQ(view().getPageIndicator().getCurrentPage(), 3);
    // The indicator stays where it was on the screen.
    EXPECT_EQ(view().getPageIndicator().getAbsoluteRect().x, 400 - view().getPageIndicator().getWidth() / 2);
    // The last tile is on the screen now and answers a click.
    const quillon::Rectangle last = view().getTile(6).getAbsoluteRect();
    EXPECT_GE(last.x, 0);
    EXPECT_LE(last.x + last.width, 800);

    click(RIGHT_ARROW_X, BAR_Y);
    EXPECT_EQ(current(), &app.pages().mainPage);
}

TEST_F(Favourites, TheHomeScreensLeftArrowOpensTheLastPage)
{
    const std::uint32_t choices[] = {0x18F, 0x08};
    const uint8_t expectedPage[] = {1, 0};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        favourites(choices[i]);
        app.open(app.pages().mainPage, true);
        app.bed.deviceSends(339, std::uint8_t{0});
        app.bed.ticks(1);
        click(LEFT_ARROW_X, BAR_Y);
        app.bed.ticks(1);
        ASSERT_NE(app.screen<FavouritesMainView>(), nullptr);
        EXPECT_EQ(FavouritesMainView::getShownPage(), expectedPage[i]);
        EXPECT_EQ(view().getPageIndicator().getCurrentPage(), 2 + expectedPage[i]);
    }
}

TEST_F(Favourites, ASecondCircuitsHolidayTileNeedsItsDeviceAndItsBit)
{
    struct Case
    {
        bool device;
        std::uint32_t bits;
        bool shown;
    };
    const Case cases[] = {{true, 0x02, true}, {false, 0x02, false}, {true, 0x01, false}, {false, 0x00, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.device << " " << c.bits);
        device(1, c.device);
        favourites(c.bits);
        open();
        bool found = false;
        for (uint8_t i = 0; i < view().getTileCount(); ++i) {
            found = found || text(view().getTile(i).getText()) == u"Holiday program 2";
        }
        EXPECT_EQ(found, c.shown);
    }
}

TEST_F(Favourites, ADeviceThatAppearsBringsItsTile)
{
    favourites(0x04);
    device(2, false);
    open();
    EXPECT_EQ(view().getTileCount(), 1);
    device(2, true);
    app.bed.ticks(1);
    EXPECT_EQ(view().getTileCount(), 2);
}

TEST_F(Favourites, ATileStoresItsCircuitBeforeItsPageOpens)
{
    favourites(0x04);
    open();
    ASSERT_EQ(text(view().getTile(0).getText()), u"Holiday program 3");
    clickTile(0);
    EXPECT_EQ(current(), &app.pages().heatingHolidayProgramPage);
    const HeatingCircuitParam* param = app.pageManager().getParam<HeatingCircuitParam>(&app.pages().favouritesMainPage);
    ASSERT_NE(param, nullptr);
    EXPECT_EQ(param->circuit, 2);
}

TEST_F(Favourites, TheFirstPagesLeftArrowForgetsTheTilesCircuit)
{
    favourites(0x04);
    open();
    app.pageManager().setParam(HeatingCircuitParam{2, 0, 0, 0, {0, 0, 0}}); // as a tile leaves it
    click(LEFT_ARROW_X, BAR_Y);
    EXPECT_EQ(current(), &app.pages().energyCockpitPage);
    EXPECT_FALSE(app.pageManager().hasParam(Params::PARAM_HEATING_CIRCUIT, &app.pages().favouritesMainPage));
}

TEST_F(Favourites, ACaptionWithSuffixKeepsItsTerminator)
{
    // A caption longer than the tile's buffer, and one that leaves room for part of its suffix.
    const quillon::TextId longCaption = 725;
    ASSERT_GT(quillon::WideString::strlen(quillon::TypedText(longCaption).getText()), 40);
    EmptyProtector always;
    const TileItem items[] = {
        {longCaption, " 1", 103, nullptr, &always, TileItem::PARAM_NONE, nullptr, 1},
        {938, " 2", 119, nullptr, &always, TileItem::PARAM_NONE, nullptr, 1},
    };
    const TileList list{2, items};
    pagemanager::Page page(29, 5, 120, false);
    page.setPointerParam(pagemanager::PointerParam(&list));
    app.open(page, true);
    app.bed.ticks(1);
    ASSERT_EQ(view().getTileCount(), 2);
    const std::u16string cut = text(view().getTile(0).getText());
    EXPECT_EQ(cut.size(), 39u);
    EXPECT_EQ(cut, text(quillon::TypedText(longCaption).getText()).substr(0, 39));
    EXPECT_EQ(text(view().getTile(1).getText()), u"Holiday program 2");
}

// The page count of the home pages, on the real favourites list.
class CountingProvider : public guicontrols::PageIndicatorDataProvider
{
public:
    using guicontrols::PageIndicatorDataProvider::PageIndicatorDataProvider;
    uint8_t getPageIndex() override { return 0; }
};

TEST_F(Favourites, HomePagesCount)
{
    for (std::uint32_t flag : {9u, 10u, 11u, 28u}) {
        device(flag, true);
    }
    struct Case
    {
        std::uint32_t bits;
        uint8_t pages;
    };
    const Case cases[] = {
        {228, 3},   // the default: four favourites and the management tile
        {0x01F, 3}, // six shown in all: one page
        {0x03F, 4}, // seven shown
        {0x07F, 4}, // eight shown
        {0x1BF, 4}, // eight favourites
        {0, 3},
    };
    CountingProvider provider(&app.pages().favouritesMainPage);
    provider.setModel(&app.bed.model());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        favourites(c.bits);
        EXPECT_EQ(provider.getNumberOfPages(), c.pages);
    }
    // Without a model only the always-shown management tile counts.
    favourites(0xFFF);
    CountingProvider withoutModel(&app.pages().favouritesMainPage);
    EXPECT_EQ(withoutModel.getNumberOfPages(), 3);
    // Without a tile list the count stays as it was.
    CountingProvider withoutList(nullptr);
    EXPECT_EQ(withoutList.getNumberOfPages(), guicontrols::PageIndicatorDataProvider::PAGES_BEFORE_FIRST_COUNT);
}
} // namespace
