#ifndef TESTS_MODEL_FILTER_FAKEPROPERTIES_HPP
#define TESTS_MODEL_FILTER_FAKEPROPERTIES_HPP

#include "model/DataPoint.hpp"
#include "model/filter/Listeners.hpp"

#include <algorithm>
#include <vector>

// Stand-ins for the function-call (kind 3) and setting (kind 4) properties: they keep the
// listeners a filter subscribes and can answer them.
template <typename Source, typename Listener, uint32_t KIND>
class FakeSource : public Source
{
public:
    bool isChanged() const override { return false; }
    void setChanged() override {}
    bool request() override { return false; }
    uint32_t getKind() const override { return KIND; }
    bool activate() override { return false; }
    bool deactivate() override { return false; }
    bool handleEvent(const model::DataChangedEvent&) override { return false; }
    bool refresh() override { return false; }
    void addListener(Listener* listener) override { listeners.push_back(listener); }
    void removeListener(Listener* listener) override
    {
        listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
    }

    std::vector<Listener*> listeners;
};

class FakeCall : public FakeSource<model::IRPCResponseSource, model::IRPCResponseListener, model::IProperty::KIND_FUNCTION_CALL>
{
public:
    void respond()
    {
        const uint8_t response[36] = {};
        for (model::IRPCResponseListener* listener : listeners) {
            listener->onRPCResponse(3, response);
        }
    }
};

class FakeSetting : public FakeSource<model::ISettingChangeSource, model::ISettingChangeListener, model::IProperty::KIND_SETTING>
{
public:
    void store()
    {
        for (model::ISettingChangeListener* listener : listeners) {
            listener->onSettingChanged(9);
        }
    }
};

// Counts the runs of a data point's actions.
class CountingActions : public model::BaseDataPoint::IActions
{
public:
    void onChanged() override { ++runs; }
    int runs = 0;
};

// Records what a filter tells its listeners.
class RecordingListener : public model::IDataChangedListener
{
public:
    void onPropertyChanged(model::IPropertyFilter* filter, uint32_t position) override
    {
        calls.push_back({filter, position});
    }
    struct Call
    {
        model::IPropertyFilter* filter;
        uint32_t position;
    };
    std::vector<Call> calls;
};

#endif
