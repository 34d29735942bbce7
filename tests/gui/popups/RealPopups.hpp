#ifndef TESTS_GUI_POPUPS_REALPOPUPS_HPP
#define TESTS_GUI_POPUPS_REALPOPUPS_HPP

#include "gui/screens/heating/ScreenDriving.hpp"

#include "gui/app/FrontendApplication.hpp"
#include "gui/common/GenericView.hpp"
#include "gui/popups/PopupContainer.hpp"
#include "gui/popups/PopupData.hpp"
#include "gui/popups/PopupFactory.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "model/dpt/DataPointTable.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace popuptest
{
const std::uint32_t COMMON_INFO = 288;
const std::uint32_t BOILER_INFO = 211;
const std::uint32_t TEST_OPERATION = 311;
const std::uint32_t BOILER_TEMPERATURE_STATUS = 9;
const std::uint32_t WINK_SUBSCRIBER = 333;
const std::uint32_t LAN_STATE = 643;
const std::uint32_t LAN_MODULE_ON = 641;
const std::uint32_t CHECK_ALLOWED = 225;
const std::uint32_t CHECK_STATE = 953;

// A shown text as UTF-16, for comparisons with u"..." literals.
inline std::u16string text(const quillon::WideChar* wide)
{
    return wide != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(wide)) : std::u16string();
}

// One popup of the test's own under its id, the factory's for the others.
template <class P>
class OwnPopup : public IPopupFactory
{
public:
    explicit OwnPopup(std::uint16_t id) : popup(id) {}
    Popup* getPopup(std::uint16_t id) override
    {
        return id == popup.getId() ? &popup : PopupFactory::getInstance()->getPopup(id);
    }
    P popup;
};

// The real application with the factory's popups in an overlay over its current screen, as
// the screen frame holds it; popups are raised through the application's manager and
// answered by touches on the display.
class RealPopups : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.open(app.pages().mainPage);
        app.open(app.pages().mainMenuPage);
        app.bed.setLanguage(1);
        cover();
        // The rules run on the overlay's first tick over everything the device sent so far,
        // and close what a test would raise by hand; past that they run only on changes.
        app.bed.ticks(2);
    }
    // Off the screen and gone before the popups it may still hold.
    void TearDown() override
    {
        if (overlay != nullptr) {
            app.app.getCurrentScreen()->getRootContainer().remove(*overlay);
        }
        overlay.reset();
    }

    // A fresh popup of the test's own under its id, in a new overlay; it lives until the
    // fixture goes, after the overlay.
    template <class P>
    P& ownPopup(std::uint16_t id)
    {
        auto* factory = new OwnPopup<P>(id);
        ownFactory.reset(factory);
        cover(factory);
        return factory->popup;
    }

    // A new overlay over the current screen: after every page change. With a factory of the
    // test's own, for popups whose counts must start fresh.
    void cover(IPopupFactory* factory = nullptr)
    {
        quillon::Container& root = app.app.getCurrentScreen()->getRootContainer();
        // The screen frame's own container would take the popups first: the overlay stands in
        // for it, so the test can hand it a factory of its own.
        if (GenericView* view = app.screen<GenericView>()) {
            if (PopupContainer* own = view->getPopupContainer()) {
                own->setEnabled(false);
                own->update();
            }
        }
        if (overlay != nullptr) {
            root.remove(*overlay); // no child of a screen already gone: left alone then
        }
        overlay.reset();
        PopupSystem& system = app.app.getPopupSystem();
        overlay = factory != nullptr ? std::make_unique<PopupContainer>(system, *factory)
                                     : std::make_unique<PopupContainer>(system);
        overlay->setPosition(0, 0, 800, 480);
        root.add(*overlay);
        overlay->update();
        app.bed.ticks(1);
    }
    void raise(std::uint16_t id)
    {
        manager().show(id, 1);
        app.bed.ticks(1);
    }
    // Status byte 0 bit 2 is the fault flag.
    void sendFault(bool on)
    {
        common_info info{};
        info.bytes[0] = on ? 0x04 : 0x00;
        app.bed.deviceSends(COMMON_INFO, info);
    }
    void sendBoiler(std::uint8_t byte0, std::int16_t tenths)
    {
        boiler_info info{};
        info.bytes[0] = byte0;
        const std::uint16_t raw = static_cast<std::uint16_t>(tenths);
        info.bytes[6] = static_cast<std::uint8_t>(raw & 0xFF);
        info.bytes[7] = static_cast<std::uint8_t>(raw >> 8);
        app.bed.deviceSends(BOILER_INFO, info);
    }
    void tap(const quillon::Drawable& target) { test::tap(app, target); }

    template <class P>
    P& popup(std::uint16_t id)
    {
        return static_cast<P&>(*PopupFactory::getInstance()->getPopup(id));
    }
    Popup* shown() const { return overlay->getCurrentPopup(); }
    PopupManager& manager() { return app.app.getPopupSystem().getManager(); }
    PopupData& data() { return app.app.getPopupSystem().getData(); }
    pagemanager::Page* currentPage() { return app.pageManager().getCurrentPage(); }

    test::AppTestBed app;
    std::unique_ptr<IPopupFactory> ownFactory;
    std::unique_ptr<PopupContainer> overlay;
};
} // namespace popuptest

#endif
