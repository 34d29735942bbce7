#include "gui/app/FrontendApplication.hpp"

#include "gui/app/PageSwitch.hpp"
#include "gui/common/BasePresenter.hpp"
#include "gui/shell/ShellContext.hpp"
#include "helpers/BoardWrappers.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/LanguageTable.hpp>

#include <clocale>
#include <cstring>

namespace
{
const char* const LOCALE_NAMES[FrontendApplication::LANGUAGE_COUNT] = {
    "german", "uk", "french", "danish", "dutch", "polish", "italian", "czech", "slovak", "swedish",
};
const uint32_t MS_PER_SECOND = 1000;

// Compared up to the first terminator, at most units long.
bool sameText(const quillon::WideChar* a, const quillon::WideChar* b, uint32_t units)
{
    for (uint32_t i = 0; i < units; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
        if (a[i] == 0) {
            return true;
        }
    }
    return true;
}
} // namespace

FrontendApplication::FrontendApplication(model::DataModelManager& model, FrontendHeap& heap)
    : passwordStorage(&model),
      pageManager(this, &passwordStorage, PAGE_AUTH),
      pages(&pageManager),
      currentPresenter(nullptr),
      pendingPageSwitch(nullptr),
      frontendHeap(heap),
      appModel(model),
      popupSystem(model),
      pageToShow(PAGE_MAIN),
      shownPageId(0xFFFF),
      displayDimmed(false),
      keyBeepEnabled(false),
      circuitNameBuffer(),
      millisecondCounter(0)
{
    instance = this;
    ShellContext::current().pageManager = &pageManager;
    ShellContext::current().model = &appModel;
    ShellContext::current().popupSystem = &popupSystem;
    ShellContext::current().pages = &pages;
    ShellContext::current().shell = this;
    pageManager.setPopupManager(&popupSystem.getManager());
    popupSystem.setNavigation(&pageManager, &pages);
    model::SettingsGroup& settings = appModel.getGroups().settings;
    keyBeepEnabled = settings.buzzer.get() != 0;
    settings.buzzer.addListener(this);
    setDimmed(false);
    const uint16_t language = static_cast<uint16_t>(settings.language.get());
    setLanguage(language, false);
}

FrontendApplication::~FrontendApplication()
{
    tearDownCurrentScreen(currentScreen, currentPresenter, frontendHeap, currentTransition);
    appModel.getGroups().settings.buzzer.removeListener(this);
    ShellContext::current() = ShellContext();
    if (instance == this) {
        instance = nullptr;
    }
}

void FrontendApplication::onClick(const quillon::ClickEvent& event)
{
    quillon::Application::onClick(event);
    // Every click counts as activity; drags and swipes do not.
    pageManager.onUserActivity();
    if (event.getType() == quillon::ClickEvent::PRESSED && keyBeepEnabled) {
        helpers::beep();
    }
}

void FrontendApplication::onTick()
{
    quillon::Application::onTick();
    runPendingPageSwitch();
    millisecondCounter += FRAME_MS;
    if (millisecondCounter >= MS_PER_SECOND) {
        pageManager.tick();
        millisecondCounter %= MS_PER_SECOND;
    }
    guiTimers.tick(FRAME_MS);
    followBoilerLanguage();
    copyCircuitNames();
}

void FrontendApplication::showPage(uint16_t pageId)
{
    pageToShow = pageId;
    pageSwitchCallback = quillon::Callback<FrontendApplication>(this, &FrontendApplication::switchToPendingPage);
    pendingPageSwitch = &pageSwitchCallback;
}

void FrontendApplication::runPendingPageSwitch()
{
    if (pendingPageSwitch != nullptr && pendingPageSwitch->isValid()) {
        // Cleared first: a screen built now may itself ask for the next page.
        quillon::GenericCallback<>* pending = pendingPageSwitch;
        pendingPageSwitch = nullptr;
        pending->execute();
    }
}

void FrontendApplication::switchToPendingPage()
{
    createScreenForPage(pageToShow, currentScreen, currentPresenter, frontendHeap, currentTransition, appModel);
    if (pageToShow < PAGE_COUNT) {
        shownPageId = static_cast<uint16_t>(pageToShow);
    }
}

void FrontendApplication::setDimmed(bool dimmed)
{
    model::SettingsGroup& settings = appModel.getGroups().settings;
    helpers::setBacklight(dimmed ? settings.standbyLight.get() : settings.normalLight.get());
    displayDimmed = dimmed;
}

void FrontendApplication::onPageLeave()
{
    if (currentPresenter != nullptr) {
        static_cast<BasePresenter*>(currentPresenter)->onPageLeave();
    }
}

void FrontendApplication::onSettingChanged(uint32_t settingId)
{
    if (settingId == model::SettingIds::SETTING_BUZZER) {
        keyBeepEnabled = appModel.getGroups().settings.buzzer.get() != 0;
    }
}

void FrontendApplication::setLanguage(const uint16_t& language, bool store)
{
    // A stored value out of range (a damaged setting) applies German.
    const uint16_t applied = language < LANGUAGE_COUNT ? language : 0;
    setlocale(LC_ALL, LOCALE_NAMES[applied]); // a refused name changes nothing
    quillon::LanguageTable::setLanguage(applied);
    if (store) {
        appModel.getGroups().common.setLanguage(applied);
        appModel.getGroups().settings.language.set(applied);
    }
}

void FrontendApplication::followBoilerLanguage()
{
    model::CommonGroup& common = appModel.getGroups().common;
    if (!common.languageCode.isChanged()) {
        return;
    }
    const uint16_t language = common.getLanguage();
    if (language >= LANGUAGE_COUNT || language == quillon::LanguageTable::getLanguage()) {
        return;
    }
    setLanguage(language, true);
    pagemanager::Page* page = pageManager.getCurrentPage();
    if (page != nullptr && page->getId() != PAGE_STARTUP && !pageManager.isPasswordPending()) {
        showPage(page->getId());
    }
}

void FrontendApplication::copyCircuitNames()
{
    model::CommonGroup& common = appModel.getGroups().common;
    model::SettingsGroup& settings = appModel.getGroups().settings;
    model::DataPoint<heating_circuit_name, DP_HEATING_CIRCUIT_NAME>* names[] = {
        &common.hc1Name, &common.hc2Name, &common.hc3Name};
    model::SettingProperty<unsigned short[21]>* stored[] = {&settings.hc1, &settings.hc2, &settings.hc3};
    const uint32_t units = sizeof(circuitNameBuffer) / sizeof(circuitNameBuffer[0]);
    for (uint8_t circuit = 0; circuit < 3; ++circuit) {
        if (!names[circuit]->isChanged()) {
            continue;
        }
        memset(circuitNameBuffer, 0, sizeof(circuitNameBuffer));
        const heating_circuit_name name = names[circuit]->getValue();
        // Byte 1 counts the characters that follow from byte 2.
        uint32_t count = name.bytes[1];
        if (count > units - 1) {
            count = units - 1;
        }
        for (uint32_t i = 0; i < count; ++i) {
            circuitNameBuffer[i] = name.unit(i + 1);
        }
        // The default name is stored as empty, so it follows the language.
        const quillon::WideChar* defaultName = model::SettingsGroup::getDefaultHeatingCircuitName(circuit);
        const bool isDefault = defaultName != nullptr && sameText(circuitNameBuffer, defaultName, units);
        static const quillon::WideChar EMPTY[] = {0};
        stored[circuit]->set(isDefault ? EMPTY : circuitNameBuffer);
    }
}
