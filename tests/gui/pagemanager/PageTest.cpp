#include "gui/pagemanager/DeviceGroup.hpp"
#include "gui/pagemanager/EmptyProtector.hpp"
#include "gui/pagemanager/ListPageSetting.hpp"
#include "gui/pagemanager/NullPopupManager.hpp"
#include "gui/pagemanager/Page.hpp"
#include "gui/pagemanager/Param.hpp"
#include "gui/pagemanager/PointerParam.hpp"

#include <gtest/gtest.h>

#include <cstdint>

using pagemanager::Page;
using pagemanager::PointerParam;

namespace
{
// The other type of tag 6, as the energy note pages carry it.
struct TargetPair
{
    Page* first;
    Page* second;
};
} // namespace

namespace pagemanager
{
template <>
struct PointerTraits<TargetPair>
{
    static constexpr std::uint16_t TAG = POINTER_PAGE_DATA;
};
} // namespace pagemanager

TEST(Page, KeepsWhatItWasBuiltWith)
{
    Page page(47, 13, -1, true);
    EXPECT_EQ(page.getId(), 47);
    EXPECT_EQ(page.getAccessMask(), 13);
    EXPECT_EQ(page.getTimeout(), -1);
    EXPECT_TRUE(page.isAnchor());
    bool redirected = true;
    page.onEnter(&redirected);
    EXPECT_FALSE(redirected);
    EXPECT_EQ(page.getPointer<ListPageSetting>(), nullptr); // nothing attached
}

TEST(Page, APointerIsReadOnlyAsTheTypeItWasGiven)
{
    static ListPageSetting heatingCircuit2 = {0, 1};
    static const ListPageSetting serviceExit = {10, 0};
    static const std::uint16_t testOperation = 2;
    Page page(0, 0, 1, false);
    TargetPair pair = {&page, nullptr};

    Page list(47, 5, 120, false);
    list.setPointerParam(PointerParam(&heatingCircuit2));
    EXPECT_EQ(list.getPointer<ListPageSetting>(), &heatingCircuit2);
    EXPECT_EQ(list.getPointer<const ListPageSetting>(), &heatingCircuit2);
    EXPECT_EQ(list.getPointer<const std::uint16_t>(), nullptr);

    Page exit(61, 0, 1800, false); // a read-only record stays read-only
    exit.setPointerParam(PointerParam(&serviceExit));
    EXPECT_EQ(exit.getPointer<const ListPageSetting>(), &serviceExit);
    EXPECT_EQ(exit.getPointer<ListPageSetting>(), nullptr);

    Page test(81, 0, 120, false); // tag 6 carries two types: each reads only its own
    test.setPointerParam(PointerParam(&testOperation));
    EXPECT_EQ(*test.getPointer<const std::uint16_t>(), 2);
    EXPECT_EQ(test.getPointer<TargetPair>(), nullptr);
    EXPECT_EQ(test.getPointer<const TargetPair>(), nullptr);

    Page note(26, 5, 120, false);
    note.setPointerParam(PointerParam(&pair));
    EXPECT_EQ(note.getPointer<TargetPair>(), &pair);
    EXPECT_EQ(note.getPointer<const std::uint16_t>(), nullptr);
    EXPECT_EQ(note.getPointer<std::uint16_t>(), nullptr);

    const PointerParam attached(&pair); // the untyped view: by tag only
    EXPECT_EQ(attached.getTag(), 6);
    EXPECT_EQ(attached.get(6), &pair);
    EXPECT_EQ(attached.get(4), nullptr);
    EXPECT_EQ(PointerParam().getTag(), 0xFFFF);
    EXPECT_EQ(PointerParam().get(0xFFFF), nullptr);
}

TEST(Param, HoldsOneTaggedValueAndCopiesAllOfIt)
{
    pagemanager::Param<Params::ParamUnion> param;
    EXPECT_EQ(param.getTag(), 0xFFFF);
    EXPECT_EQ(param.as<HeatingCircuitParam>(), nullptr);

    HeatingCircuitParam circuit = {2, 6, 1, 1, {7, 8, 9}};
    EXPECT_TRUE(param.set(circuit));
    EXPECT_EQ(param.getTag(), 1);
    EXPECT_EQ(param.get(1), static_cast<const void*>(param.as<HeatingCircuitParam>()));
    EXPECT_EQ(param.get(8), nullptr);
    EXPECT_EQ(param.as<IntervalSelection>(), nullptr);

    pagemanager::Param<Params::ParamUnion> copy;
    copy = param;
    const HeatingCircuitParam* copied = copy.as<HeatingCircuitParam>();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->day, 6);
    EXPECT_EQ(copied->reserved[2], 9);

    EXPECT_TRUE(param.set(Params::FavouritesState{1})); // no byte of the circuit lingers
    EXPECT_EQ(param.get(1), nullptr);
    EXPECT_EQ(static_cast<const std::uint8_t*>(param.get(12))[1], 0);
}

TEST(DeviceGroup, AnswersItsThreeDevicesAnd84Beyond)
{
    DeviceGroup<3> hotWater(9, 10, 11);
    IDeviceGroup& group = hotWater;
    EXPECT_EQ(group.count(), 3);
    EXPECT_EQ(group.get(0), 9u);
    EXPECT_EQ(group.get(2), 11u);
    EXPECT_EQ(group.get(3), 84u);
    EXPECT_EQ(group.get(-1), 84u); // never read outside the group
}

TEST(EmptyProtector, IsAvailableOnNoCondition)
{
    EmptyProtector protector;
    IPageProtector& asked = protector;
    EXPECT_TRUE(asked.isAvailable());
    EXPECT_FALSE(asked.isConditional());
}

TEST(NullPopupManager, ShowsNothing)
{
    pagemanager::NullPopupManager& manager = pagemanager::NullPopupManager::getInstance();
    EXPECT_EQ(&manager, &pagemanager::NullPopupManager::getInstance());
    manager.show(3, 2);
    EXPECT_EQ(manager.getCurrent(), 0xFFFF);
    EXPECT_FALSE(manager.hasPopups());
    EXPECT_FALSE(manager.hasChanged());
    EXPECT_FALSE(manager.isActive(3));
}
