#ifndef GUI_COMMON_MODELPRESENTER_HPP
#define GUI_COMMON_MODELPRESENTER_HPP

#include "model/DataModelManager.hpp"
#include "model/IProperty.hpp"
#include "model/ModelListener.hpp"
#include "model/filter/IPropertyFilter.hpp"

#include <quillon/Presenter.hpp>

#include <atomic>
#include <initializer_list>
#include <stdint.h>

// The presenter half of every screen, as far as the model goes.
//
// A screen watches what it shows while it is active:
//     void activate() override   { watch({&circuit.setpoint, &circuit.roomTemperature}); }
//     void deactivate() override { unwatch(); }
//     void tick()                { if (filterChanged()) view.showSetpoint(...); }  // GUI task
// Changes arrive on the device link task, which only records them; everything shown is read
// on the GUI task once the screen's filter reports a change. A point's own changed flag is
// cleared by any read, so two readers would take each other's change: screens decide on the
// filter's report, never on the points' flags.
class ModelPresenter : public quillon::Presenter, public ModelListener
{
public:
    // Runs on the device link task: only records, so no screen can touch widgets from there.
    void onModelChanged() final { recorded = 1; }

    // What the screen's filter holds, for tests and for the screen frame.
    const model::IPropertyFilter* watchedFilter() const;

protected:
    ModelPresenter() : recorded(0), watchingDevices(false), watchingClock(false) {}

    // Adds the properties (data points, ranges, settings, calls) or whole groups to the model's
    // screen filter and polls them fast until unwatch(). A property that does not fit stops
    // the program with "Property filter full: screen filter". Needs the model bound.
    void watch(std::initializer_list<model::IProperty*> properties);
    void watchGroup(model::IPropertyFilter& group);
    // What a screen shows besides data points: the set of present devices and the panel clock.
    // watchedChanged() reports them too until unwatch().
    void watchDevices() { watchingDevices = true; }
    void watchClock() { watchingClock = true; }
    // Back to normal polling; the filter forgets what it held. Also when nothing was watched.
    void unwatch();

    // True once after a change of anything watched; takes the report.
    bool filterChanged();
    // A watched value, or the devices or the clock where watched, changed. Every report is
    // taken on each call, so a change of one never hides behind another.
    bool watchedChanged();

private:
    model::DataModelManager& theModel() const;
    static void pollWatchedFast(model::DataModelManager& bound);

    // Set on the device link task, taken on the GUI task.
    std::atomic<uint8_t> recorded;
    bool watchingDevices;
    bool watchingClock;
};

#endif
