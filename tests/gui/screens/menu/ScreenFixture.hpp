#ifndef TESTS_GUI_SCREENS_MENU_SCREENFIXTURE_HPP
#define TESTS_GUI_SCREENS_MENU_SCREENFIXTURE_HPP

#include "support/TextReading.hpp"
#include "support/screen/AppTestBed.hpp"

#include "guicontrols/BottomBar.hpp"
#include "model/DataModelManager.hpp"
#include "model/link/DeviceLink.hpp"
#include "model/dpt/DataPointTable.hpp"

#include <quillon/Drawable.hpp>
#include <quillon/Texts.hpp>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace screens
{
// A write to the device as the table hands it to the link: address and first value byte.
struct DeviceWrite
{
    std::uint16_t address;
    std::uint8_t value;
    bool operator==(const DeviceWrite& other) const { return address == other.address && value == other.value; }
};

inline std::vector<DeviceWrite>& writeLog()
{
    static std::vector<DeviceWrite> log;
    return log;
}

// The application on the headless display, with the device writes logged in order and the
// set of present devices chosen by the test (and put back afterwards).
class ScreenFixture
{
public:
    static constexpr std::uint32_t DEVICE_FLAGS = 96;

    ScreenFixture()
    {
        model::DeviceManager& manager = devices();
        for (std::uint32_t id = 0; id < DEVICE_FLAGS; ++id) {
            presentBefore.push_back(manager.isPresent(id));
        }
        writeLog().clear();
        DptSenders senders = {
            [](std::uint16_t address, const void* data, std::uint32_t n) {
                writeLog().push_back({address, n > 0 ? *static_cast<const std::uint8_t*>(data) : std::uint8_t{0}});
                test::ScreenTestBed::passWriteToDevice(address, data, n);
                return 1;
            },
            [](std::uint16_t) { return 1; }, [](std::uint16_t) { return 1; }};
        dptSetSenders(senders);
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); // the stored language is another
    }
    ~ScreenFixture()
    {
        dptSetSenders(linkTableSenders());
        for (std::uint32_t id = 0; id < DEVICE_FLAGS; ++id) {
            devices().setPresence(id, presentBefore[id]);
        }
    }

    model::DeviceManager& devices() { return model::DataModelManager::getInstance().getDeviceManager(); }
    model::ParameterGroups& groups() { return model::DataModelManager::getInstance().getGroups(); }

    // Exactly these devices are present; the change is taken so no screen sees it as new.
    void presentOnly(std::initializer_list<std::uint32_t> ids)
    {
        for (std::uint32_t id = 0; id < DEVICE_FLAGS; ++id) {
            devices().setAbsent(id);
        }
        for (std::uint32_t id : ids) {
            devices().setPresent(id);
        }
        devices().takeChanged();
    }

    void clickOn(const quillon::Drawable& widget)
    {
        const quillon::Rectangle r = widget.getAbsoluteRect();
        app.bed.click(static_cast<std::int16_t>(r.x + r.width / 2), static_cast<std::int16_t>(r.y + r.height / 2));
        app.bed.ticks(2);
    }
    // Clicked where the bar puts it, as a user would.
    void clickBottomButton(const guicontrols::BottomBar& bar, std::uint8_t index) { clickOn(bar.getButton(index)); }

    const std::vector<DeviceWrite>& writes() const { return writeLog(); }
    void forgetWrites() { writeLog().clear(); }

    test::AppTestBed app;

private:
    std::vector<bool> presentBefore;
};

inline std::u16string str(const quillon::WideChar* text)
{
    return text != nullptr ? quillon::test::text(text) : std::u16string(u"<null>");
}
} // namespace screens

#endif
