#ifndef GUI_APP_FRONTENDAPPLICATION_HPP
#define GUI_APP_FRONTENDAPPLICATION_HPP

#include "gui/common/GuiTimerList.hpp"
#include "gui/pagemanager/IPageViewer.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/PasswordStorage.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "gui/shell/ShellContext.hpp"
#include "model/filter/Listeners.hpp"

#include <quillon/Application.hpp>
#include <quillon/Callback.hpp>
#include <quillon/Presenter.hpp>

#include <stdint.h>

class FrontendHeap;
namespace model
{
class DataModelManager;
}

// The application object of the panel: the page viewer of the page manager, the deferred
// page switch, the GUI timers, and the language and heating-circuit names the boiler
// reports.
class FrontendApplication : public quillon::Application,
                            public pagemanager::IPageViewer,
                            public model::ISettingChangeListener,
                            public Shell
{
public:
    static const uint32_t FRAME_MS = 16;
    static const uint16_t LANGUAGE_COUNT = 10;

    FrontendApplication(model::DataModelManager& model, FrontendHeap& heap);
    ~FrontendApplication() override;

    // The page manager goes to the start-up page; it is built on the next frame.
    void showStartPage() { pageManager.goTo(&pages.startupPage, false); }

    void onClick(const quillon::ClickEvent& event) override;
    void onTick() override;

    // The page manager's viewer. A page change waits for the next frame.
    void showPage(uint16_t pageId) override;
    void setDimmed(bool dimmed) override;
    bool isDimmed() override { return displayDimmed; }
    void onPageLeave() override;

    void onSettingChanged(uint32_t settingId) override;

    // A language without a panel language (above 9) applies German, 0.
    void setLanguage(const uint16_t& language, bool store) override;

    void registerTimer(gui::GuiTimer* timer) { guiTimers.registerTimer(timer); }
    void unregisterTimer(gui::GuiTimer* timer) { guiTimers.unregisterTimer(timer); }
    void clearTimers() { guiTimers.clearTimers(); }
    uint16_t getGuiTimerCount() const { return guiTimers.size(); }
    uint16_t getTimerWidgetCount() const { return timerWidgets.size(); }

    void runPendingPageSwitch();
    void switchToPendingPage();

    pagemanager::PageManager& getPageManager() { return pageManager; }
    Pages& getPages() { return pages; }
    model::DataModelManager& getModel() { return appModel; }
    PopupSystem& getPopupSystem() { return popupSystem; }
    quillon::Presenter* getCurrentPresenter() const { return currentPresenter; }
    quillon::Screen* getCurrentScreen() const { return currentScreen; }
    bool isPageSwitchPending() const { return pendingPageSwitch != nullptr; }
    // The page id whose screen was built last; 0xFFFF before the first.
    uint16_t getShownPageId() const { return shownPageId; }

private:
    void followBoilerLanguage();
    void copyCircuitNames();

    helpers::PasswordStorage passwordStorage;
    pagemanager::PageManager pageManager;
    Pages pages;
    quillon::Presenter* currentPresenter;
    quillon::GenericCallback<>* pendingPageSwitch;
    quillon::Callback<FrontendApplication> pageSwitchCallback;
    FrontendHeap& frontendHeap;
    model::DataModelManager& appModel;
    PopupSystem popupSystem;
    gui::GuiTimerList guiTimers;
    uint32_t pageToShow;
    uint16_t shownPageId;
    bool displayDimmed;
    bool keyBeepEnabled;
    quillon::WideChar circuitNameBuffer[21];
    // Since the page manager's last one-second step.
    uint32_t millisecondCounter;
};

#endif
