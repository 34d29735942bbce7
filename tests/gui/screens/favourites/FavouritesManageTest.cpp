#include "gui/screens/favourites/FavouritesManageView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "model/devices/DeviceIds.hpp"
#include "support/TextReading.hpp"

#include <gtest/gtest.h>

#include <map>

namespace
{
using quillon::test::text;

class FavouritesManageScreen : public ::testing::Test
{
protected:
    void SetUp() override { app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); }

    // Only these device flags present.
    void devices(std::initializer_list<std::uint32_t> present)
    {
        model::DeviceManager& manager = app.bed.model().getDeviceManager();
        for (std::uint32_t id = 0; id < 96; ++id) {
            manager.setAbsent(id);
        }
        for (std::uint32_t id : present) {
            manager.setPresent(id);
        }
    }
    FavouritesManageView& open()
    {
        app.open(app.pages().mainMenuPage);
        app.open(app.pages().favouritesManagePage);
        app.bed.ticks(1);
        FavouritesManageView* view = app.screen<FavouritesManageView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    // Listed favourites with their text and check mark.
    std::map<std::uint32_t, std::pair<std::u16string, bool>> shown(FavouritesManageView& view)
    {
        std::map<std::uint32_t, std::pair<std::u16string, bool>> lines;
        for (std::uint32_t n = 0; n < FavouritesManageView::FAVOURITES; ++n) {
            if (view.isListed(n)) {
                lines[n] = {text(view.getLine(n).getNameField().getText()), view.getLine(n).isChecked()};
            }
        }
        return lines;
    }
    std::uint32_t stored() { return app.bed.model().getGroups().settings.favourites.get(); }

    test::AppTestBed app;
};

TEST_F(FavouritesManageScreen, ListsWhatTheDevicesAllowWithTheStoredMarks)
{
    app.bed.model().getGroups().settings.favourites.set(228);
    devices({DEVICE_HC1, DEVICE_DHW_HC2, DEVICE_CIRCULATION_A});
    FavouritesManageView& view = open();
    const std::map<std::uint32_t, std::pair<std::u16string, bool>> expected = {
        {0, {u"Holiday program 1", false}},
        {3, {u"One time charge", false}},
        {5, {u"DHW time prog 2", true}},
        {7, {u"Time program heating circuit 1", true}},
    };
    EXPECT_EQ(shown(view), expected);
    EXPECT_EQ(view.getListControl().getCount(), 4u);
}

TEST_F(FavouritesManageScreen, HotWaterProgramsNeedACirculationFlagAndNoDeviceLeavesOneLine)
{
    devices({DEVICE_DHW_HC1});
    FavouritesManageView& view = open();
    EXPECT_FALSE(view.isListed(4));
    devices({DEVICE_DHW_HC1, DEVICE_CIRCULATION_B});
    app.bed.ticks(1); // the device change rebuilds the list
    EXPECT_TRUE(view.isListed(4));
    devices({});
    app.bed.ticks(1);
    EXPECT_EQ(shown(view).size(), 1u);
    EXPECT_TRUE(view.isListed(3));
}

TEST_F(FavouritesManageScreen, BackDiscardsOkStoresAndKeepsUnlistedBits)
{
    app.bed.model().getGroups().settings.favourites.set(228); // bits 2, 5, 6, 7
    devices({DEVICE_HC1});
    FavouritesManageView& view = open();
    test::tap(app, view.getLine(3).getButton());
    EXPECT_TRUE(view.getLine(3).isChecked());
    test::tap(app, view.getBottomBar().getButton(GenericView::BACK_BUTTON));
    app.bed.ticks(1);
    EXPECT_EQ(stored(), 228u);

    FavouritesManageView& again = open();
    EXPECT_FALSE(again.getLine(3).isChecked());
    test::tap(app, again.getLine(3).getButton());
    test::tap(app, again.getLine(7).getButton()); // off
    test::tap(app, again.getBottomBar().getButton(FavouritesManageView::OK_BUTTON));
    app.bed.ticks(1);
    // Bit 3 on, bit 7 off; 2, 5 and 6 not listed and kept.
    EXPECT_EQ(stored(), (228u | 1u << 3) & ~(1u << 7));
    EXPECT_EQ(app.screen<FavouritesManageView>(), nullptr);
}
} // namespace
