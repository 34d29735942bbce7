#include "gui/popups/RealPopups.hpp"

// The factory's 20 popups, each under its own id, and what the application's containers use.
namespace popuptest
{
namespace
{
using PopupFactoryOfTheApplication = RealPopups;

// In the application: the popups need its texts, fonts and bitmaps to be built.
TEST_F(PopupFactoryOfTheApplication, EachIdHasItsPopupAndNoOtherIdHasOne)
{
    PopupFactory* factory = PopupFactory::getInstance();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(PopupFactory::getInstance(), factory);
    std::vector<Popup*> seen;
    for (std::uint16_t id = 0; id < POPUP_COUNT; ++id) {
        Popup* popup = factory->getPopup(id);
        ASSERT_NE(popup, nullptr) << id;
        EXPECT_EQ(popup->getId(), id);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), popup), 0) << id;
        seen.push_back(popup);
    }
    EXPECT_EQ(factory->getPopup(20), nullptr);
    EXPECT_EQ(factory->getPopup(POPUP_NONE), nullptr);
}

using ApplicationPopups = RealPopups;

// A container built without a factory puts the factory's popup on screen.
TEST_F(ApplicationPopups, AContainerShowsTheFactorysPopups)
{
    for (std::uint16_t id = 0; id < POPUP_COUNT; ++id) {
        SCOPED_TRACE(id);
        raise(id);
        EXPECT_EQ(shown(), PopupFactory::getInstance()->getPopup(id));
        manager().close(id);
        app.bed.ticks(1);
    }
}
} // namespace
} // namespace popuptest
