#include "model/groups/GroupIndexes.hpp"
#include "model/manager/ZeroedStaticTable.hpp"

#include "model/DataModelManager.hpp"

#include <cstdint>

using model::IProperty;
using model::IPropertyFilter;

namespace
{
class Groups : public ZeroedStaticTable
{
protected:
    model::ParameterGroups& groups = model::DataModelManager::getInstance().getGroups();

    static std::vector<std::vector<std::uint32_t>> indexesOf(IPropertyFilter& group)
    {
        std::vector<std::vector<std::uint32_t>> properties;
        for (std::uint32_t position = 0; position < group.count(); ++position) {
            IProperty* property = group.at(position);
            std::vector<std::uint32_t> indexes;
            if (property->getKind() == IProperty::KIND_RANGE) {
                const auto* range = static_cast<model::BaseRangeDataPoint*>(property);
                for (std::uint32_t element = 0; element < range->getCount(); ++element) {
                    indexes.push_back(range->getElementId(element));
                }
            } else {
                indexes.push_back(static_cast<model::BaseDataPoint*>(property)->getId());
            }
            properties.push_back(indexes);
        }
        return properties;
    }

    static void setStatus(std::uint8_t byte0, std::uint8_t byte1, std::uint8_t byte2)
    {
        common_info status = {};
        status.bytes[0] = byte0;
        status.bytes[1] = byte1;
        status.bytes[2] = byte2;
        store(288, status);
    }
};
} // namespace

TEST_F(Groups, MembersWatchTheirTableIndexesInListOrder)
{
    namespace expected = group_indexes;
    struct Case
    {
        const char* name;
        IPropertyFilter& group;
        expected::Members members;
    };
    const Case cases[] = {
        {"common", groups.common, expected::commonGroup()},
        {"cylinder", groups.cylinder, expected::cylinderGroup()},
        {"dhw", groups.dhw, expected::dHWGroup()},
        {"energy", groups.energy, expected::energyGroup()},
        {"fault", groups.fault, expected::faultGroup()},
        {"fillingVenting", groups.fillingVenting, expected::fillingVentingGroup()},
        {"flueGasSensor", groups.flueGasSensor, expected::flueGasSensorGroup()},
        {"general", groups.general, expected::generalGroup()},
        {"hc", groups.hc, expected::hCGroup()},
        {"heating", groups.heating, expected::heatingGroup()},
        {"idSolar", groups.idSolar, expected::iDSolarGroup()},
        {"lan", groups.lan, expected::lanGroup()},
        {"lock", groups.lock, expected::lockGroup()},
        {"resetData", groups.resetData, expected::resetDataGroup()},
        {"shortQuery", groups.shortQuery, expected::shortQueryGroup()},
        {"solar", groups.solar, expected::solarGroup()},
        {"testOperation", groups.testOperation, expected::testOperationGroup()},
        {"rv", groups.rv, expected::rvGroup()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(indexesOf(c.group), c.members);
    }
}

TEST_F(Groups, LanguageCodesMapBothWays)
{
    struct Case
    {
        std::uint8_t code;
        quillon::LanguageId language;
    };
    const Case cases[] = {{0, 0}, {5, 1}, {8, 2}, {4, 3}, {15, 4}, {16, 5}, {11, 6}, {3, 7}, {23, 8}, {21, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        store(267, c.code);
        EXPECT_EQ(groups.common.getLanguage(), c.language);
        store(267, std::uint8_t(99));
        groups.common.setLanguage(c.language);
        EXPECT_EQ(groups.common.languageCode.getValue(), c.code);
    }

    for (std::uint8_t unknown : {1, 2, 6, 24, 255}) {
        store(267, unknown);
        EXPECT_EQ(groups.common.getLanguage(), quillon::NUMBER_OF_LANGUAGES) << int(unknown);
    }
    store(267, std::uint8_t(5));
    groups.common.setLanguage(quillon::NUMBER_OF_LANGUAGES); // writes nothing
    EXPECT_EQ(groups.common.languageCode.getValue(), 5);
}

TEST_F(Groups, StatusAccessorsDecodeTheirBits)
{
    struct Case
    {
        std::uint8_t byte0, byte1, byte2;
        std::uint32_t services;
        bool notice, fault, wink, locked;
    };
    const Case cases[] = {
        {0x00, 0x00, 0x00, 0, false, false, false, false},
        {0x00, 0x1F, 0x00, 4, false, false, false, true}, // bit 4 is the lock, not a service
        {0x00, 0x0A, 0x00, 2, false, false, false, false},
        {0x80, 0xE0, 0x00, 0, true, false, false, false},
        {0x04, 0x00, 0x01, 0, false, true, true, false},
        {0x7B, 0x00, 0xFE, 0, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        setStatus(c.byte0, c.byte1, c.byte2);
        EXPECT_EQ(groups.common.getServiceCount(), c.services);
        EXPECT_EQ(groups.common.hasServiceNotice(), c.notice);
        EXPECT_EQ(groups.common.hasFault(), c.fault);
        EXPECT_EQ(groups.common.isWinkActive(), c.wink);
        EXPECT_EQ(groups.common.isCombustionControllerLocked(), c.locked);
    }
}

TEST_F(Groups, ReadingAnAccessorTakesTheStatusChange)
{
    setStatus(0x80, 0, 0);
    EXPECT_TRUE(groups.common.onDataChanged(changeOf(288)));
    EXPECT_TRUE(groups.common.commonInfo.isChanged());
    EXPECT_TRUE(groups.common.hasServiceNotice());
    EXPECT_FALSE(groups.common.commonInfo.isChanged());
}

TEST_F(Groups, FaultCountEndsAtTheFirstEmptyEntry)
{
    struct Case
    {
        std::vector<std::uint32_t> withCode;
        std::uint32_t count;
    };
    const Case cases[] = {
        {{}, 0},
        {{0, 1, 3}, 2},
        {{1, 2}, 0},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        zeroTable();
        for (std::uint32_t entry : c.withCode) {
            alarm_buffer fault = {};
            fault.bytes[0] = 0xA3;
            store(278 + entry, fault);
        }
        EXPECT_EQ(groups.fault.getFaultCount(), c.count);
    }
}

TEST_F(Groups, ActivatingTheCylinderGroupPollsAllItsEntriesFast)
{
    auto fastEntries = [] {
        std::uint32_t fast = 0;
        for (std::uint32_t index = 0; index < DPT_TABLE_SIZE; ++index) {
            fast += isFast(index) ? 1 : 0;
        }
        return fast;
    };
    ASSERT_EQ(fastEntries(), 0u);
    groups.cylinder.activateAll();
    // 5 + 40 + 155 + 93 history entries and 15 single members.
    EXPECT_EQ(fastEntries(), 308u);
    EXPECT_TRUE(isFast(752) && isFast(951) && isFast(591) && isFast(1015) && isFast(671));
    EXPECT_EQ(period(797), 30);
    groups.cylinder.deactivateAll();
    EXPECT_EQ(fastEntries(), 0u);
    EXPECT_EQ(period(797), 1800);
}

TEST_F(Groups, OneTableChangeReachesEveryMemberOnIt)
{
    store(626, std::uint8_t(3));
    EXPECT_TRUE(groups.solar.onDataChanged(changeOf(626)));
    EXPECT_TRUE(groups.solar.flow.isChanged());
    EXPECT_TRUE(groups.solar.calibrationFlow.isChanged());
    EXPECT_FALSE(groups.solar.pumpType.isChanged());
    EXPECT_TRUE(groups.solar.takeChanged());

    store(95, 1.4f);
    EXPECT_TRUE(groups.heating.onDataChanged(changeOf(95)));
    EXPECT_TRUE(groups.heating.curveSlopeHc1.isChanged());
    EXPECT_TRUE(groups.heating.curveSlope.at(0).isChanged());
    EXPECT_FALSE(groups.heating.curveSlope.at(1).isChanged());
    EXPECT_FLOAT_EQ(groups.heating.curveSlope.at(0).getValue(), 1.4f);

    EXPECT_FALSE(groups.heating.onDataChanged(changeOf(500))); // an energy index
}
