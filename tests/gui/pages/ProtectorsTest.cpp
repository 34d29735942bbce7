#include "gui/pages/DeviceProtector.hpp"
#include "gui/pages/ExpertMultiDeviceProtector.hpp"
#include "gui/pages/MultiDeviceProtector.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

TEST(Protectors, AvailableByPresentDevices)
{
    test::ScreenTestBed bed;
    model::DeviceManager& devices = bed.model().getDeviceManager();
    DeviceProtector single(60);
    MultiDeviceProtector any(3, 9, 10, 11);
    ExpertMultiDeviceProtector expert(3, 9, 10, 11);
    struct Case
    {
        std::initializer_list<uint32_t> present;
        bool single, any, expert;
    };
    const Case cases[] = {
        {{}, false, false, false},
        {{60, 11}, true, true, false}, // without device 7 no expert entry
        {{7}, false, false, false},
        {{7, 10}, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        for (uint32_t id : {7u, 9u, 10u, 11u, 60u}) {
            devices.setAbsent(id);
        }
        for (uint32_t id : c.present) {
            devices.setPresent(id);
        }
        EXPECT_EQ(single.isAvailable(), c.single);
        EXPECT_EQ(any.isAvailable(), c.any);
        EXPECT_EQ(expert.isAvailable(), c.expert);
        EXPECT_TRUE(any.isConditional());
    }
}

TEST(ProtectorsDeathTest, CountMustMatchTheIds)
{
    EXPECT_DEATH(MultiDeviceProtector(3, 9, 10), "Protector device count mismatch");
}
