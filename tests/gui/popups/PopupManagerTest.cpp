#include "gui/popups/PopupManager.hpp"

#include <gtest/gtest.h>

namespace
{
TEST(PopupManager, StartsEmptyAndUnchanged)
{
    PopupManager manager;
    EXPECT_FALSE(manager.hasChanged());
    EXPECT_EQ(manager.getCurrent(), POPUP_NONE);
    EXPECT_FALSE(manager.hasPopups());
    for (uint16_t id = 0; id < POPUP_COUNT; ++id) {
        EXPECT_FALSE(manager.isActive(id));
    }
}

TEST(PopupManager, RaisingARaisedIdAtTheSameLevelChangesNothing)
{
    PopupManager manager;
    manager.show(POPUP_FAULT, 1);
    EXPECT_TRUE(manager.hasChanged());
    EXPECT_EQ(manager.getCurrent(), POPUP_FAULT);
    EXPECT_FALSE(manager.hasChanged()); // getCurrent took it

    manager.show(POPUP_FAULT, 1);
    manager.show(POPUP_FAULT, 0);
    EXPECT_FALSE(manager.hasChanged());
    EXPECT_EQ(manager.getLevel(POPUP_FAULT), 1);

    // Dismissed: the same or a lower level does not bring it back.
    manager.remove(POPUP_FAULT);
    EXPECT_TRUE(manager.hasChanged());
    EXPECT_FALSE(manager.hasPopups());
    manager.show(POPUP_FAULT, 1);
    EXPECT_FALSE(manager.hasChanged());
    EXPECT_EQ(manager.getCurrent(), POPUP_NONE);
    EXPECT_TRUE(manager.isActive(POPUP_FAULT));
}

TEST(PopupManager, ADismissedIdRaisedHigherIsPushedOnTopAgain)
{
    PopupManager manager;
    manager.show(POPUP_SERVICE, 2);
    manager.show(POPUP_FAULT, 1);
    manager.remove(POPUP_SERVICE);
    EXPECT_EQ(manager.getCurrent(), POPUP_FAULT);

    manager.show(POPUP_SERVICE, 3);
    EXPECT_TRUE(manager.hasChanged());
    EXPECT_EQ(manager.getCurrent(), POPUP_SERVICE);
    EXPECT_EQ(manager.getLevel(POPUP_SERVICE), 3);
}

TEST(PopupManager, AStackedIdBelowTheTopRaisedHigherKeepsItsPlace)
{
    PopupManager manager;
    manager.show(POPUP_SERVICE, 1);
    manager.show(POPUP_FAULT, 1);
    EXPECT_TRUE(manager.hasPopups()); // clears the flag
    EXPECT_FALSE(manager.hasChanged());

    manager.show(POPUP_SERVICE, 4);
    EXPECT_EQ(manager.getLevel(POPUP_SERVICE), 4);
    EXPECT_FALSE(manager.hasChanged());
    EXPECT_EQ(manager.getCurrent(), POPUP_FAULT);
}

TEST(PopupManager, CloseOfAnUnstackedIdResetsItsLevelAndLeavesTheFlag)
{
    PopupManager manager;
    manager.show(POPUP_WINK, 1);
    manager.remove(POPUP_WINK);
    manager.getCurrent(); // flag cleared
    manager.close(POPUP_WINK);
    EXPECT_FALSE(manager.isActive(POPUP_WINK));
    EXPECT_FALSE(manager.hasChanged());

    // A set flag stays set too.
    manager.show(POPUP_FAULT, 1);
    manager.close(POPUP_WINK);
    EXPECT_TRUE(manager.hasChanged());

    // Closed, the same condition raises it again.
    manager.show(POPUP_WINK, 1);
    EXPECT_EQ(manager.getCurrent(), POPUP_WINK);
}

TEST(PopupManager, TheLaterOfTwoShowsAndTheEarlierReturnsWhenItGoes)
{
    struct Case
    {
        const char* how;
        void (PopupManager::*takeOff)(uint16_t);
        bool keepsLevel;
    };
    const Case cases[] = {
        {"dismissed", &PopupManager::remove, true},
        {"closed", &PopupManager::close, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        PopupManager manager;
        manager.show(POPUP_TEST_OPERATION, 1);
        manager.show(POPUP_RTC_ERROR, 1);
        manager.show(POPUP_LAN_ERROR, 1);
        EXPECT_EQ(manager.getCurrent(), POPUP_LAN_ERROR);

        // Off the middle: the others keep their order.
        (manager.*c.takeOff)(POPUP_RTC_ERROR);
        EXPECT_TRUE(manager.hasChanged());
        EXPECT_EQ(manager.getCurrent(), POPUP_LAN_ERROR);
        (manager.*c.takeOff)(POPUP_LAN_ERROR);
        EXPECT_EQ(manager.getCurrent(), POPUP_TEST_OPERATION);
        EXPECT_EQ(manager.isActive(POPUP_LAN_ERROR), c.keepsLevel);
    }
}

TEST(PopupManager, IgnoresIdsWithoutAPopup)
{
    const uint16_t ids[] = {POPUP_COUNT, 23, 24, 200, POPUP_NONE};
    for (uint16_t id : ids) {
        SCOPED_TRACE(id);
        PopupManager manager;
        manager.show(POPUP_FAULT, 1);
        manager.getCurrent();
        manager.show(id, 5);
        manager.close(id);
        manager.remove(id);
        EXPECT_FALSE(manager.isActive(id));
        EXPECT_FALSE(manager.hasChanged());
        EXPECT_EQ(manager.getCurrent(), POPUP_FAULT);
        EXPECT_EQ(manager.getLevel(POPUP_FAULT), 1);
    }
}

TEST(PopupManager, EveryIdStacksOnceWithinTheCapacity)
{
    PopupManager manager;
    for (uint8_t level = 1; level <= 3; ++level) {
        for (uint16_t id = 0; id < POPUP_COUNT; ++id) {
            manager.show(id, level);
        }
    }
    for (uint16_t id = POPUP_COUNT; id > 0; --id) {
        EXPECT_EQ(manager.getCurrent(), id - 1);
        manager.remove(static_cast<uint16_t>(id - 1));
    }
    EXPECT_FALSE(manager.hasPopups());
}
} // namespace
