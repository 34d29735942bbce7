#include "model/filter/FakeProperties.hpp"
#include "model/dpt/TableFixture.hpp"
#include "model/RangeDataPoint.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"

#include <memory>

using model::DataChangedEvent;
using model::DefaultPropertyFilter;
using U8Point = model::DataPoint<unsigned char, DP_U8>;

namespace
{
DataChangedEvent changeOf(uint32_t index)
{
    return DataChangedEvent(DataChangedEvent::VALUE_CHANGED, index);
}

class PropertyFilter : public TableFixture
{
protected:
    DefaultPropertyFilter filter;
};
} // namespace

TEST_F(PropertyFilter, EmptyFilterRejectsEveryEvent)
{
    filter.setIndexBit(5); // not even looked at
    EXPECT_FALSE(filter.onDataChanged(changeOf(5)));
    EXPECT_FALSE(filter.takeChanged());
}

TEST_F(PropertyFilter, TakesAtMostAHundredProperties)
{
    std::vector<std::unique_ptr<U8Point>> points;
    for (uint32_t i = 0; i <= DefaultPropertyFilter::MAX_PROPERTIES; ++i) {
        points.emplace_back(new U8Point(i));
    }
    for (uint32_t i = 0; i < DefaultPropertyFilter::MAX_PROPERTIES; ++i) {
        ASSERT_TRUE(filter.add(points[i].get()));
    }
    EXPECT_FALSE(filter.add(points.back().get()));
    EXPECT_EQ(filter.count(), 100u);
    EXPECT_FALSE(filter.isIndexBitSet(100)); // the refused one is not watched
    EXPECT_FALSE(filter.onDataChanged(changeOf(100)));
    EXPECT_FALSE(points.back()->isChanged());
}

TEST_F(PropertyFilter, WatchesTheIndexesOfItsPointsAndRanges)
{
    U8Point single(5);
    filter.add(&single);
    model::RangeDataPoint<unsigned char, DP_U8, 3> range(&filter, 10);

    for (uint32_t index : {5u, 10u, 11u, 12u}) {
        EXPECT_TRUE(filter.isIndexBitSet(index)) << index;
    }
    EXPECT_FALSE(filter.isIndexBitSet(13));
    EXPECT_FALSE(filter.onDataChanged(changeOf(13)));
    EXPECT_FALSE(filter.onDataChanged(DataChangedEvent(1, 5))); // another event type
    EXPECT_FALSE(single.isChanged());

    EXPECT_TRUE(filter.onDataChanged(changeOf(11)));
    EXPECT_TRUE(range.at(1).isChanged());
    EXPECT_FALSE(range.at(0).isChanged());
    EXPECT_TRUE(filter.takeChanged());
    EXPECT_FALSE(filter.takeChanged());
}

// Two members on one table index (two readers of one record) must both see its change.
TEST_F(PropertyFilter, OffersAChangeToEveryPropertyAndTellsListenersOnce)
{
    U8Point other(3);
    CountingActions firstActions;
    CountingActions secondActions;
    U8Point first(7, &filter, &firstActions);
    filter.add(&other); // position 1: not a claimer
    U8Point second(7, &filter, &secondActions);
    RecordingListener listener;
    filter.addListener(&listener);

    EXPECT_TRUE(filter.onDataChanged(changeOf(7)));
    EXPECT_TRUE(first.isChanged());
    EXPECT_TRUE(second.isChanged());
    EXPECT_FALSE(other.isChanged());
    EXPECT_EQ(firstActions.runs, 1);
    EXPECT_EQ(secondActions.runs, 1);
    ASSERT_EQ(listener.calls.size(), 1u);
    EXPECT_EQ(listener.calls[0].filter, &filter);
    EXPECT_EQ(listener.calls[0].position, 0u); // the first claimer
    EXPECT_TRUE(filter.takeChanged());

    filter.remove(&first); // the last entry, second, takes its place
    listener.calls.clear();
    EXPECT_FALSE(filter.onDataChanged(changeOf(7))); // removing one cleared the shared index
    filter.add(&first);
    EXPECT_TRUE(filter.onDataChanged(changeOf(7)));
    ASSERT_EQ(listener.calls.size(), 1u);
    EXPECT_EQ(listener.calls[0].position, filter.indexOf(&second));
}

TEST_F(PropertyFilter, RemovingMovesTheLastEntryIntoTheFreedPlace)
{
    U8Point a(1), b(2), c(3), d(4);
    for (model::IProperty* p : std::initializer_list<model::IProperty*>{&a, &b, &c, &d}) {
        filter.add(p);
    }
    filter.remove(&b);
    ASSERT_EQ(filter.count(), 3u);
    EXPECT_EQ(filter.at(0), &a);
    EXPECT_EQ(filter.at(1), &d);
    EXPECT_EQ(filter.at(2), &c);
    EXPECT_EQ(filter.indexOf(&b), 3u); // absent: count
    EXPECT_FALSE(filter.isIndexBitSet(2));
    filter.remove(&c); // the last one
    EXPECT_EQ(filter.count(), 2u);
    EXPECT_EQ(filter.at(1), &d);
}

TEST_F(PropertyFilter, ListenersAtMostFourAndRemovedEverywhere)
{
    RecordingListener listeners[5];
    U8Point point(7, &filter, nullptr);
    filter.addListener(&listeners[0]);
    filter.addListener(&listeners[1]);
    filter.addListener(&listeners[0]);
    filter.addListener(&listeners[2]);
    filter.addListener(&listeners[4]); // a fifth: ignored
    EXPECT_EQ(filter.listenerTotal(), 4u);

    filter.removeListener(&listeners[0]); // both occurrences
    EXPECT_EQ(filter.listenerTotal(), 2u);
    filter.onDataChanged(changeOf(7));
    EXPECT_TRUE(listeners[0].calls.empty());
    EXPECT_EQ(listeners[1].calls.size(), 1u);
    EXPECT_EQ(listeners[2].calls.size(), 1u);
    EXPECT_TRUE(listeners[4].calls.empty());
}

TEST_F(PropertyFilter, FunctionCallsAndSettingsMarkTheFilterChanged)
{
    FakeCall call;
    FakeSetting setting;
    filter.add(&call);
    filter.add(&setting);
    ASSERT_EQ(call.listeners.size(), 1u);
    ASSERT_EQ(setting.listeners.size(), 1u);

    call.respond(); // no table value changed
    EXPECT_TRUE(filter.takeChanged());
    EXPECT_FALSE(filter.takeChanged());
    setting.store();
    EXPECT_TRUE(filter.takeChanged());

    filter.remove(&call);
    EXPECT_TRUE(call.listeners.empty());
    EXPECT_EQ(setting.listeners.size(), 1u);
}

TEST_F(PropertyFilter, RemoveAllForgetsPropertiesButKeepsListeners)
{
    FakeCall call;
    FakeSetting setting;
    U8Point point(7, &filter, nullptr);
    model::RangeDataPoint<unsigned char, DP_U8, 2> range(&filter, 20);
    filter.add(&call);
    filter.add(&setting);
    RecordingListener listener;
    filter.addListener(&listener);
    call.respond();

    filter.removeAll();
    EXPECT_EQ(filter.count(), 0u);
    EXPECT_FALSE(filter.takeChanged());
    for (uint32_t index = 0; index < DefaultPropertyFilter::INDEX_BITS; ++index) {
        ASSERT_FALSE(filter.isIndexBitSet(index)) << index;
    }
    EXPECT_TRUE(call.listeners.empty());
    EXPECT_TRUE(setting.listeners.empty());
    EXPECT_FALSE(filter.onDataChanged(changeOf(7)));
    EXPECT_FALSE(point.isChanged());

    filter.add(&point); // the listener is still there
    EXPECT_TRUE(filter.onDataChanged(changeOf(7)));
    EXPECT_EQ(listener.calls.size(), 1u);
}

TEST_F(PropertyFilter, IteratesAndAddsRangesOfAnotherFilter)
{
    DefaultPropertyFilter group;
    U8Point a(1, &group, nullptr);
    U8Point b(2, &group, nullptr);
    U8Point c(3, &group, nullptr);

    std::vector<model::IProperty*> visited;
    for (model::PropertyIterator it = group.begin(); it != group.end(); ++it) {
        visited.push_back(*it);
    }
    EXPECT_EQ(visited, (std::vector<model::IProperty*>{&a, &b, &c}));
    model::PropertyIterator end = group.end();
    ++end;
    EXPECT_EQ(end, group.end()); // stays at the end
    model::PropertyIterator start = group.begin();
    --start;
    EXPECT_EQ(start.getPosition(), 0u);
    EXPECT_EQ(model::PropertyIterator(&group, &b).getPosition(), 1u);

    EXPECT_TRUE(filter.addRange(group.begin(), group.end()));
    EXPECT_EQ(filter.count(), 3u);
    EXPECT_TRUE(filter.isIndexBitSet(3));
    // A range past the end of the source list stops at its end.
    DefaultPropertyFilter other;
    EXPECT_TRUE(other.addRange(group.begin() + 1, group.begin() + 10));
    EXPECT_EQ(other.count(), 2u);
}

TEST_F(PropertyFilter, AddRangeReportsAFullFilter)
{
    DefaultPropertyFilter group;
    std::vector<std::unique_ptr<U8Point>> points;
    for (uint32_t i = 0; i < 60; ++i) {
        points.emplace_back(new U8Point(i, &group, nullptr));
    }
    EXPECT_TRUE(filter.addRange(group.begin(), group.end()));
    EXPECT_FALSE(filter.addRange(group.begin(), group.end())); // 120 do not fit
    EXPECT_EQ(filter.count(), 100u);
}

TEST_F(PropertyFilter, ActivatingSwitchesFastPollingOfAllProperties)
{
    U8Point row0(0, &filter, nullptr);
    U8Point row3(3, &filter, nullptr);
    filter.activateAll();
    dptPollTimerCallback(nullptr); // both countdowns were 3: only fast polling reads them now
    std::vector<uint16_t> reads = takeReads();
    EXPECT_NE(std::find(reads.begin(), reads.end(), 0x0100), reads.end());
    EXPECT_NE(std::find(reads.begin(), reads.end(), 0x0400), reads.end());
    EXPECT_EQ(table[0].currentPeriod, table[0].fastPeriod);

    filter.deactivateAll();
    EXPECT_EQ(table[0].currentPeriod, table[0].normalPeriod);
    EXPECT_EQ(table[3].currentPeriod, table[3].normalPeriod);
}
