#include "model/manager/ZeroedStaticTable.hpp"

#include "model/DataModelManager.hpp"
#include "model/settings/SettingsStorage.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using model::DataChangedEvent;
using model::DataModelManager;
using model::IProperty;

namespace
{
using Log = std::vector<std::string>;

// A further filter that notes every change offered to it.
class NotingFilter : public model::IPropertyFilter
{
public:
    NotingFilter(Log& log, std::string name, bool claims = false) : log(log), name(std::move(name)), claims(claims) {}

    std::uint32_t count() const override { return 0; }
    IProperty* at(std::uint32_t) const override { return nullptr; }
    bool takeChanged() override { return false; }
    void clearChanged() override {}
    bool onDataChanged(const DataChangedEvent&) override
    {
        log.push_back(name);
        return claims;
    }
    bool add(IProperty*) override { return false; }
    void remove(IProperty*) override {}
    void refreshAll() override {}
    std::uint32_t indexOf(IProperty*) const override { return 0; }
    void activateAll() override { ++activations; }
    void deactivateAll() override { ++deactivations; }

    int activations = 0;
    int deactivations = 0;

private:
    Log& log;
    std::string name;
    bool claims;
};

// A data point that notes the changes it is asked about.
class NotingPoint : public model::BaseDataPoint
{
public:
    NotingPoint(std::uint32_t index, Log& log, std::string name) : BaseDataPoint(index, nullptr), log(log), name(name) {}

    bool isChanged() const override { return false; }
    void setChanged() override {}
    bool request() override { return true; }
    bool activate() override { return true; }
    bool deactivate() override { return true; }
    bool handleEvent(const DataChangedEvent& event) override
    {
        if (event.getIndex() != index) {
            return false;
        }
        log.push_back(name);
        return true;
    }

private:
    Log& log;
    std::string name;
};

class NotingListener : public model::IDataChangedListener, public ModelListener
{
public:
    NotingListener(Log& log, std::string name) : log(log), name(std::move(name)) {}
    void onPropertyChanged(model::IPropertyFilter*, std::uint32_t) override { log.push_back(name); }
    void onModelChanged() override { log.push_back(name); }

private:
    Log& log;
    std::string name;
};

constexpr std::uint32_t STATUS = 288; // watched by the common group and the device manager
constexpr std::uint32_t LOCK = 339;   // a lock group entry

class Manager : public ZeroedStaticTable
{
protected:
    // A model of the test's own: the singleton stays as the program's start-up left it.
    std::unique_ptr<DataModelManager> model = std::make_unique<DataModelManager>();
    Log log;

    void dispatch(std::uint32_t index) { model->dispatchDataChanged(changeOf(index)); }
};
} // namespace

TEST_F(Manager, OffersEveryChangeInAFixedOrder)
{
    NotingPoint screenPoint(STATUS, log, "screen");
    NotingFilter popups(log, "popups");
    NotingFilter other(log, "other");
    NotingListener common(log, "common");
    NotingListener devices(log, "devices");
    NotingPoint clockPoint(STATUS, log, "clock");
    NotingListener presenter(log, "presenter");

    model->getDefaultFilter().add(&screenPoint);
    model->enableDefaultFilter();
    ASSERT_TRUE(model->addFilter(&popups));
    ASSERT_TRUE(model->addFilter(&other));
    model->getGroups().common.addListener(&common);
    static_cast<model::DefaultPropertyFilter&>(model->getDeviceManager()).addListener(&devices);
    model->getTimeManager().add(&clockPoint);
    model->bind(&presenter);

    dispatch(STATUS);
    EXPECT_EQ(log, (Log{"screen", "popups", "other", "common", "devices", "clock", "presenter"}));
}

TEST_F(Manager, AScreenFilterThatIsOffHearsNothing)
{
    NotingPoint screenPoint(LOCK, log, "screen");
    NotingFilter popups(log, "popups", true);
    NotingListener presenter(log, "presenter");
    model->getDefaultFilter().add(&screenPoint);
    ASSERT_TRUE(model->addFilter(&popups));
    model->bind(&presenter);

    dispatch(LOCK);
    EXPECT_EQ(log, Log{"popups"}); // a claim by the popup filter does not reach the presenter
    EXPECT_FALSE(model->getDefaultFilter().takeChanged());

    log.clear();
    model->enableDefaultFilter();
    dispatch(LOCK);
    EXPECT_EQ(log, (Log{"screen", "popups", "presenter"}));
    EXPECT_TRUE(model->getDefaultFilter().takeChanged());

    log.clear();
    model->bind(nullptr);
    dispatch(LOCK);
    EXPECT_EQ(log, (Log{"screen", "popups"}));
}

TEST_F(Manager, EnablingTheScreenFilterDropsAStaleChangeAndPollsOnce)
{
    model::DefaultPropertyFilter& screen = model->getDefaultFilter();
    screen.add(&model->getGroups().lock.lockLevel);
    screen.onDataChanged(changeOf(LOCK)); // left over from before
    model->enableDefaultFilter();
    EXPECT_FALSE(screen.takeChanged());
    EXPECT_TRUE(isFast(LOCK));

    EXPECT_EQ(dptSetFastPolling(LOCK, 0), 1);
    model->enableDefaultFilter(); // already on: no second activation
    EXPECT_FALSE(isFast(LOCK));

    EXPECT_EQ(dptSetFastPolling(LOCK, 1), 1);
    model->disableDefaultFilter();
    EXPECT_FALSE(isFast(LOCK));
    EXPECT_FALSE(model->isDefaultFilterEnabled());
    EXPECT_EQ(dptSetFastPolling(LOCK, 1), 1);
    model->disableDefaultFilter(); // already off
    EXPECT_TRUE(isFast(LOCK));
    EXPECT_EQ(dptSetFastPolling(LOCK, 0), 1); // fast polling is counted: the test's own request

    // What a presenter does when its screen is left.
    model->enableDefaultFilter();
    model->disableDefaultFilter();
    screen.removeAll();
    EXPECT_EQ(screen.count(), 0u);
    EXPECT_FALSE(isFast(LOCK));
}

TEST_F(Manager, AtMostFiveFurtherFilters)
{
    NotingFilter filters[6] = {{log, "0"}, {log, "1"}, {log, "2"}, {log, "3"}, {log, "4"}, {log, "5"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(model->addFilter(&filters[i]));
        EXPECT_EQ(filters[i].activations, 1);
    }
    EXPECT_FALSE(model->addFilter(&filters[5]));
    EXPECT_EQ(filters[5].activations, 0);
    EXPECT_EQ(model->getFilterCount(), 5u);

    dispatch(LOCK);
    EXPECT_EQ(log, (Log{"0", "1", "2", "3", "4"}));
}

TEST_F(Manager, RemovingAFilterKeepsTheOthersOffered)
{
    NotingFilter first(log, "first");
    NotingFilter second(log, "second");
    NotingFilter stranger(log, "stranger");
    ASSERT_TRUE(model->addFilter(&first));
    ASSERT_TRUE(model->addFilter(&second));
    model->removeFilter(&first);
    model->removeFilter(&stranger); // not registered: nothing happens
    EXPECT_EQ(first.deactivations, 1);
    EXPECT_EQ(stranger.deactivations, 0);
    EXPECT_EQ(model->getFilterCount(), 1u);

    dispatch(LOCK);
    EXPECT_EQ(log, Log{"second"});

    ASSERT_TRUE(model->addFilter(&second)); // twice: one removal takes both
    model->removeFilter(&second);
    EXPECT_EQ(model->getFilterCount(), 0u);
}

TEST_F(Manager, BindingConnectsThePresenterBothWays)
{
    NotingListener presenter(log, "presenter");
    EXPECT_EQ(presenter.getModel(), nullptr);
    model->bind(&presenter);
    presenter.bind(model.get());
    EXPECT_EQ(presenter.getModel(), model.get());
}

TEST_F(Manager, InitStartsTheModel)
{
    DataModelManager& instance = DataModelManager::getInstance();
    model::SettingsGroup& settings = instance.getGroups().settings;
    settings.buzzer.set(0); // forgotten by the store's start-up load
    instance.init();
    EXPECT_EQ(settings.buzzer.get(), settings.buzzer.getDefault());

    EXPECT_TRUE(isFast(345) && isFast(STATUS)); // the common group is watched for good
    EXPECT_FALSE(instance.isDefaultFilterEnabled());
    EXPECT_TRUE(instance.getDeviceManager().isPresent(DEVICE_BOILER_1)); // from the table
    EXPECT_TRUE(instance.getDeviceManager().isPresent(DEVICE_UNLOCKED));

    // The change callback is registered: a table change reaches the device manager.
    std::uint8_t locked = 1;
    EXPECT_EQ(dptSet(LOCK, &locked), 0); // no device link
    EXPECT_FALSE(instance.getDeviceManager().isPresent(DEVICE_UNLOCKED));
}
