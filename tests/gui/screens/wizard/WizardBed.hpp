#ifndef TESTS_GUI_SCREENS_WIZARD_WIZARDBED_HPP
#define TESTS_GUI_SCREENS_WIZARD_WIZARDBED_HPP

#include "gui/screens/menu/ScreenFixture.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/popups/PopupManager.hpp"
#include "gui/screens/main/MainView.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"
#include "model/time/TimeManager.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace screens
{
// The board clock of the wizard tests: a time the test sets and marks as changed.
struct WizardClock
{
    static helpers::DateTime& now()
    {
        static helpers::DateTime value(2026, 12, 10, 23, 59, 30);
        return value;
    }
    static bool& changed()
    {
        static bool flag = false;
        return flag;
    }
    static const model::TimeManager::Clock& clock()
    {
        static const model::TimeManager::Clock testClock = {
            [](helpers::DateTime& value) {
                value = now();
                return true;
            },
            [](const helpers::DateTime&) { return true; }, []() { return 0u; },
            []() {
                const bool was = changed();
                changed() = false;
                return was;
            }};
        return testClock;
    }
};

// The application with the commissioning road: the splash that opens the wizard when the
// device's commissioning request is set, the start step, and the report.
class WizardBed : public ScreenFixture
{
public:
    static constexpr std::uint32_t COMMISSIONING_REQUEST = 952;
    static constexpr std::uint32_t SPLASH_TICKS = 250; // 4000 ms at 16 ms a tick

    WizardBed()
    {
        WizardClock::now() = helpers::DateTime(2026, 12, 10, 23, 59, 30);
        WizardClock::changed() = false;
        time().useClock(WizardClock::clock());
    }
    ~WizardBed() { time().useClock(model::TimeManager::boardClock()); }

    model::TimeManager& time() { return model::DataModelManager::getInstance().getTimeManager(); }

    // The splash runs to its end with the request set, as after a restart of the panel.
    WizzardInitView* enterWizard()
    {
        app.bed.deviceSends(COMMISSIONING_REQUEST, std::uint8_t{1});
        app.pageManager().reset(); // as after the service start-up or a restart
        app.open(app.pages().startupPage, true);
        app.bed.ticks(SPLASH_TICKS + 2);
        return app.screen<WizzardInitView>();
    }

    // Scrolled into view first, as a user would.
    void touch(const WizzardInitView& view, uint32_t entry)
    {
        const int16_t listBottom = 480 - GenericView::BOTTOM_BAR_HEIGHT;
        for (int i = 0; i < 10; ++i) {
            const quillon::Rectangle r = view.getItem(entry).getButton().getAbsoluteRect();
            if (r.y + r.height <= listBottom) {
                break;
            }
            clickOn(view.getListControl().getDownButton());
        }
        clickOn(view.getItem(entry).getButton());
    }

    std::uint8_t tableByte(std::uint32_t index)
    {
        std::uint8_t value = 0;
        EXPECT_TRUE(dptGet(index, &value));
        return value;
    }

    std::uint32_t mask()
    {
        const Params::Commissioning* stored = app.pageManager().getParam<Params::Commissioning>(nullptr);
        return stored != nullptr ? stored->mask : 0xDEADu;
    }
    bool hasMask() { return app.pageManager().getParam<Params::Commissioning>(nullptr) != nullptr; }

    std::uint16_t level() { return app.pageManager().getAccessControl().getLevel(); }
    pagemanager::Page* current() { return app.pageManager().getCurrentPage(); }
    PopupManager& popups() { return app.app.getPopupSystem().getManager(); }
};
} // namespace screens

#endif
