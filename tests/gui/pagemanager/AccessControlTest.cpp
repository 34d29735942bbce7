#include "NavigationFakes.hpp"

#include "gui/pagemanager/AccessControl.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using pagemanager::AccessControl;

namespace
{
struct Access
{
    navtest::FakePasswords passwords;
    AccessControl access{&passwords};

    bool login(std::int32_t mask, const std::u16string& password)
    {
        return access.login(mask, navtest::wideText(password).data());
    }
    void ticks(int count)
    {
        for (int tick = 0; tick < count; ++tick) {
            access.tick();
        }
    }
};
} // namespace

TEST(AccessControl, StartsAtTheBasicLevelWithoutTimer)
{
    Access a;
    EXPECT_EQ(a.access.getLevel(), 5);
    EXPECT_EQ(a.access.getLogoutTimer(), -1);
    a.ticks(5000);
    EXPECT_EQ(a.access.getLevel(), 5);
}

TEST(AccessControl, AMaskIsOpenWhenAllItsBitsAreInTheLevel)
{
    struct Case
    {
        std::uint16_t level;
        std::int32_t mask;
        bool open;
    };
    const Case cases[] = {
        {0, 0, true}, {0, 1, false}, {1, 1, true},   {1, 5, false}, {5, 1, true},
        {5, 5, true}, {5, 13, false}, {13, 13, true}, {29, 13, true}, {61, 61, true},
        {13, 29, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Access a;
        a.access.setLevel(c.level);
        EXPECT_EQ(a.access.hasAccess(c.mask), c.open);
    }
}

TEST(AccessControl, APasswordOrsItsBitsIntoTheLevel)
{
    struct Case
    {
        std::uint16_t level;
        std::int32_t mask;
        std::u16string password;
        bool accepted;
        std::uint16_t levelAfter;
        std::int32_t timerAfter;
    };
    const Case cases[] = {
        {5, 13, u"service", true, 13, 1800},
        {5, 13, u"master", true, 61, 1800},  // the master password is tried first
        {5, 61, u"master", true, 61, 1800},
        {5, 61, u"menu", false, 5, -1},      // no level-2 step when the master level is asked
        {5, 5, u"menu", true, 29, 1800},     // level 2 opens any lower page
        {5, 13, u"user", false, 5, -1},
        {5, 13, u"", false, 5, -1},
        {0, 0, u"user", true, 5, -1},        // unlocking: the basic level starts no timer
        {1, 1, u"user", true, 5, -1},
        {0, 13, u"service", true, 13, 1800},
        {61, 5, u"user", true, 61, 1800},    // never lowers the level
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Access a;
        a.access.setLevel(c.level);
        EXPECT_EQ(a.login(c.mask, c.password), c.accepted);
        EXPECT_EQ(a.access.getLevel(), c.levelAfter);
        EXPECT_EQ(a.access.getLogoutTimer(), c.timerAfter);
    }
    Access a;
    EXPECT_FALSE(a.access.login(13, nullptr));
    AccessControl withoutStorage(nullptr);
    EXPECT_FALSE(withoutStorage.login(5, navtest::wideText(u"user").data()));
}

TEST(AccessControl, TheServiceLevelLogsOutAfter1800IdleSeconds)
{
    Access a;
    ASSERT_TRUE(a.login(13, u"service"));
    a.ticks(1790);
    EXPECT_EQ(a.access.getLogoutTimer(), 10);
    a.access.onActivity(); // a click with 10 s left
    EXPECT_EQ(a.access.getLogoutTimer(), 1800);
    a.ticks(1799);
    EXPECT_EQ(a.access.getLevel(), 13);
    a.ticks(1);
    EXPECT_EQ(a.access.getLevel(), 5);
    EXPECT_EQ(a.access.getLogoutTimer(), -1);
    a.access.onActivity(); // activity after logout starts nothing
    EXPECT_EQ(a.access.getLogoutTimer(), -1);
}

TEST(AccessControl, BasicLevelsOnlyInsideTheBasicOne)
{
    struct Case
    {
        std::uint16_t bits;
        bool accepted;
    };
    const Case cases[] = {{0, true}, {1, true}, {4, true}, {5, true}, {2, false}, {13, false}, {61, false}, {0x8000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Access a;
        ASSERT_TRUE(a.login(13, u"service"));
        EXPECT_EQ(a.access.setBasicLevel(c.bits), c.accepted);
        EXPECT_EQ(a.access.getLevel(), c.accepted ? c.bits : 13);
        EXPECT_EQ(a.access.getLogoutTimer(), c.accepted ? -1 : 1800);
    }
}

TEST(AccessControl, LevelsWithoutTimerNeverExpire)
{
    Access a;
    a.access.setLevel(61); // as the commissioning wizard does
    a.access.onActivity();
    a.ticks(5000);
    EXPECT_EQ(a.access.getLevel(), 61);

    ASSERT_TRUE(a.access.setBasicLevel(0)); // the full panel lock
    a.access.onActivity();
    a.ticks(5000);
    EXPECT_EQ(a.access.getLevel(), 0);
    a.access.logout();
    EXPECT_EQ(a.access.getLevel(), 5);
}
