#include "SettingsBed.hpp"

#include "gui/screens/settings/SettingsLanguageView.hpp"

#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

#include <algorithm>

namespace settings_test
{
namespace
{
const std::uint16_t LANGUAGE_CODE_ADDRESS = 0x7310;

class Language : public SettingsBed
{
protected:
    SettingsLanguageView& open()
    {
        openSettingsMenu();
        tapMenuItem(u"Language");
        SettingsLanguageView* view = app.screen<SettingsLanguageView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    std::vector<std::u16string> markedTiles(SettingsLanguageView& view)
    {
        std::vector<std::u16string> marked;
        for (uint32_t row = 0; row < SettingsLanguagePresenter::LANGUAGE_COUNT; ++row) {
            if (view.getTile(row).isChecked()) {
                marked.push_back(str(view.getTile(row).getText()));
            }
        }
        return marked;
    }
    quillon::BitmapId pageIcon() { return frame()->getBottomBar().getButton(SettingsLanguageView::PAGE_BUTTON).getIcon().getId(); }
};

TEST_F(Language, TheLanguageInUseIsTheOneMarkedTileAndItsCodeIsAskedFor)
{
    SettingsLanguageView& view = open();
    EXPECT_EQ(title(), u"Language");
    EXPECT_EQ(markedTiles(view), std::vector<std::u16string>{u"English"});
    const std::u16string names[] = {u"Deutsch", u"English",  u"Français",  u"Dansk",  u"Vlaams",
                                    u"Polski",  u"Italiano", u"Česky", u"Slovenský", u"Svenska"};
    for (uint32_t row = 0; row < 10; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(str(view.getTile(row).getText()), names[row]);
    }
    const std::vector<std::uint16_t>& reads = deviceReads();
    EXPECT_NE(std::find(reads.begin(), reads.end(), LANGUAGE_CODE_ADDRESS), reads.end());
}

TEST_F(Language, RowsSixToNineLieOnASecondPageThatButtonFourTurnsTo)
{
    SettingsLanguageView& view = open();
    for (uint32_t row = 0; row < 10; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(view.getTile(row).getRect().x - view.getTile(row % 6).getRect().x, row >= 6 ? 720 : 0);
    }
    EXPECT_EQ(frame()->getContent().getWidth(), 2 * 800);
    EXPECT_EQ(frame()->getContent().getX(), 0);
    EXPECT_EQ(pageIcon(), 211);
    EXPECT_EQ(frame()->getBottomBar().getButton(5).getIcon().getId(), 210);

    tapBottomButton(SettingsLanguageView::PAGE_BUTTON);
    EXPECT_EQ(frame()->getContent().getX(), -730);
    EXPECT_EQ(pageIcon(), 209);
    EXPECT_EQ(frame()->getBottomBar().getButton(5).getIcon().getId(), 210); // accept stays
    for (uint32_t row = 0; row < 10; ++row) {
        SCOPED_TRACE(row);
        const quillon::Rectangle tile = view.getTile(row).getAbsoluteRect();
        const bool inView = tile.x >= 0 && tile.x + tile.width <= 800;
        EXPECT_EQ(inView, row >= 6);
    }

    tapBottomButton(SettingsLanguageView::PAGE_BUTTON);
    EXPECT_EQ(frame()->getContent().getX(), 0);
    EXPECT_EQ(pageIcon(), 211);
}

TEST_F(Language, MarkingSvenskaAndGoingBackChangesNothing)
{
    SettingsLanguageView& view = open();
    tapBottomButton(SettingsLanguageView::PAGE_BUTTON);
    tap(view.getTile(9));
    EXPECT_EQ(markedTiles(view), std::vector<std::u16string>{u"Svenska"}); // one mark only
    tapBottomButton(GenericView::BACK_BUTTON);
    EXPECT_EQ(shownPage(), 14);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), quillon::LANGUAGE_ENGLISH);
    EXPECT_EQ(settings().language.get(), 0u); // still the default
    EXPECT_TRUE(writesTo(LANGUAGE_CODE_ADDRESS).empty());
}

TEST_F(Language, PolskiAndAcceptSwitchesStoresAndTellsTheDevice)
{
    SettingsLanguageView& view = open();
    tap(view.getTile(5));
    EXPECT_EQ(markedTiles(view), std::vector<std::u16string>{u"Polski"});
    tapBottomButton(5);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), 5);
    EXPECT_EQ(settings().language.get(), 5u);
    const std::vector<DeviceWrite> codes = writesTo(LANGUAGE_CODE_ADDRESS);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0].bytes, std::vector<std::uint8_t>{16});
    // The settings menu again, built in Polish.
    EXPECT_EQ(shownPage(), 14);
    ASSERT_NE(app.screen<MenuView>(), nullptr);
    EXPECT_EQ(title(), str(quillon::TypedText(911).getText()));
    EXPECT_NE(title(), u"Settings");
}

TEST_F(Language, AcceptWithoutATouchStoresTheLanguageInUseAgain)
{
    open();
    tapBottomButton(5);
    EXPECT_EQ(shownPage(), 14);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), quillon::LANGUAGE_ENGLISH);
    EXPECT_EQ(settings().language.get(), 1u);
    const std::vector<DeviceWrite> codes = writesTo(LANGUAGE_CODE_ADDRESS);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0].bytes, std::vector<std::uint8_t>{5});
}
} // namespace
} // namespace settings_test
