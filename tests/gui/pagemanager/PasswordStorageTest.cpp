#include "helpers/WideText.hpp"

#include "gui/pagemanager/PasswordStorage.hpp"
#include "model/DataModelManager.hpp"
#include "model/settings/SettingsStorage.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace
{
class Passwords : public ::testing::Test
{
protected:
    void SetUp() override
    {
        model::SettingsStorage::getInstance().init();
        model::SettingsGroup& settings = model::DataModelManager::getInstance().getGroups().settings;
        ASSERT_TRUE(settings.opPass.set(wide(u"Sonne7").data()));
        ASSERT_TRUE(settings.servPass.set(wide(u"service").data()));
        ASSERT_TRUE(settings.menuPass.set(wide(u"Menü42").data()));
        ASSERT_TRUE(settings.masterPass.set(wide(u"0123456789abcdef").data())); // the longest
    }

    bool check(std::int32_t level, const std::u16string& entered)
    {
        return storage.checkPassword(level, wide(entered).data());
    }

    helpers::PasswordStorage storage{&model::DataModelManager::getInstance()};
};
} // namespace

TEST_F(Passwords, EachLevelHasItsPassword)
{
    struct Case
    {
        std::int32_t level;
        std::u16string entered;
        bool matches;
    };
    const Case cases[] = {
        {0, u"Sonne7", true},
        {1, u"sonne7", true},
        {5, u"SONNE7", true}, // case is ignored
        {13, u"SONNE7", false}, // the service password is compared instead
        {13, u"Service", true},
        {29, u"MENÜ42", true},
        {29, u"service", false},
        {61, u"0123456789ABCDEF", true},
        {61, u"0123456789abcdef0", false}, // beyond the 16 units a password holds
        {5, u"Sonne", false},
        {5, u"Sonne77", false}, // a suffix does not match
        {5, u"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(check(c.level, c.entered), c.matches);
    }
}

TEST_F(Passwords, UnknownLevelsNeverMatch)
{
    model::SettingsGroup& settings = model::DataModelManager::getInstance().getGroups().settings;
    ASSERT_TRUE(settings.opPass.set(wide(u"").data()));
    EXPECT_TRUE(check(5, u"")); // an empty password matches an empty text
    for (std::int32_t level : {-1, 2, 4, 6, 14, 30, 62, 1000}) {
        EXPECT_FALSE(check(level, u"")) << level;
        EXPECT_FALSE(check(level, u"service")) << level;
    }
    EXPECT_FALSE(storage.checkPassword(5, nullptr));
}

TEST_F(Passwords, ReadingAPasswordNeverSetStoresItsDefault)
{
    model::SettingsStorage::getInstance().init(); // an empty store
    const quillon::WideChar* defaultPassword = model::SettingsGroup::getDefaultServicePassword();
    EXPECT_TRUE(check(13, narrow(defaultPassword)));
    const std::uint8_t* stored = nullptr;
    EXPECT_EQ(model::SettingsStorage::getInstance().getData(model::SettingIds::SERV_PASS, &stored), model::STORE_OK);
}
