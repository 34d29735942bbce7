#ifndef TESTS_SUPPORT_SCREEN_SCREENTESTBED_HPP
#define TESTS_SUPPORT_SCREEN_SCREENTESTBED_HPP

#include "support/ScopedBitmapDatabase.hpp"
#include "support/TestApplication.hpp"
#include "support/TestFrame.hpp"

#include "model/DataModelManager.hpp"
#include "model/dpt/DataPointTable.hpp"
#include "simulator/device/DeviceModel.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/NoTransition.hpp>
#include <quillon/Presenter.hpp>
#include <quillon/Screen.hpp>

#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>
#include <vector>

namespace test
{
// A screen on the headless display with the real model behind it, so a screen test is a
// few lines:
//     ScreenTestBed bed;
//     auto& presenter = bed.show<SetpointView, SetpointPresenter>();
//     bed.deviceSends(214, 6.5f);   // as a read answer of the device link
//     bed.ticks(1);                 // one GUI frame: tick, then drawing
//     EXPECT_EQ(bed.frame().at(x, y), ...);
//
// The table starts from the compiled-in values with the device simulator's seeds, the model
// is initialised as at start-up, and writes are stored but sent nowhere. Texts, fonts and
// bitmaps are the generated ones, English first. One bed at a time.
class ScreenTestBed
{
public:
    explicit ScreenTestBed(quillon::Color background = 0);
    ~ScreenTestBed();
    ScreenTestBed(const ScreenTestBed&) = delete;
    ScreenTestBed& operator=(const ScreenTestBed&) = delete;

    // Builds the view and its presenter (constructed with the view), binds them to each
    // other and the presenter to the model, activates, sets the screen up and shows it. A
    // second show tears the first screen down as a page change does.
    template <class V, class P>
    P& show()
    {
        static_assert(sizeof(V) <= VIEW_BYTES && sizeof(P) <= PRESENTER_BYTES, "grow the bed's screen slots");
        leave();
        V* view = new (viewSlot) V();
        P* presenter = new (presenterSlot) P(*view);
        view->bind(*presenter);
        currentScreen = view;
        currentView = view;
        currentPresenter = presenter;
        bindToModel(presenter);
        enter();
        return *presenter;
    }

    // The device answers a read of the entry with the value, through the device link's
    // receive path: the table stores it and the model dispatches the change. A float goes to
    // a scaled entry as its raw number; anything else as its own bytes.
    template <typename T>
    void deviceSends(std::uint32_t index, const T& value)
    {
        static_assert(std::is_trivially_copyable<T>::value, "device values travel as bytes");
        std::uint8_t bytes[DPT_MAX_VALUE_SIZE] = {};
        std::uint32_t size = sizeof(T);
        if constexpr (std::is_same<T, float>::value) {
            size = scaledToWire(index, value, bytes);
        } else {
            std::memcpy(bytes, &value, sizeof(T) < sizeof(bytes) ? sizeof(T) : sizeof(bytes));
        }
        deviceSendsBytes(index, bytes, size);
    }
    void deviceSendsBytes(std::uint32_t index, const std::uint8_t* bytes, std::uint32_t size);

    // The device side (DeviceModel) sees every write the table sends; its answers reach the
    // table before the next frame. Time passes for it only here, in simulated seconds.
    void deviceSeconds(std::uint32_t seconds);
    DeviceModel& device() { return deviceModel; }
    // For fixtures that hand the table senders of their own: the write still reaches the
    // device side of the bed that is running.
    static void passWriteToDevice(std::uint16_t address, const void* data, std::uint32_t n);

    // GUI frames: the screen's tick, touches, then drawing of what changed.
    void ticks(std::uint32_t count)
    {
        for (std::uint32_t i = 0; i < count; ++i) {
            deliverDeviceAnswers();
            display.frames(1);
        }
    }
    void click(std::int16_t x, std::int16_t y) { display.click(x, y); }

    // The view of the last show, by its own type.
    template <class V>
    V& view()
    {
        return *static_cast<V*>(currentView);
    }

    quillon::test::TestFrame& frame() { return display; }
    model::DataModelManager& model() { return model::DataModelManager::getInstance(); }
    void setLanguage(quillon::LanguageId language);

private:
    static constexpr std::uint32_t VIEW_BYTES = 64 * 1024;
    static constexpr std::uint32_t PRESENTER_BYTES = 8 * 1024;

    // Binding goes through ModelListener, which every screen presenter has.
    template <class P>
    void bindToModel(P* presenter)
    {
        model().bind(presenter);
        presenter->bind(&model());
    }
    void enter();
    void leave();
    void deliverDeviceAnswers();
    static void keepDeviceAnswer(void* bed, const DeviceFrame& frame);
    static int sendWrite(std::uint16_t address, const void* data, std::uint32_t n);
    static std::uint32_t scaledToWire(std::uint32_t index, float value, std::uint8_t* bytes);
    static std::uint32_t storageSize(std::uint32_t index);

    // The table as the bed found it, put back when it goes: the next test starts from it.
    std::vector<std::vector<std::uint8_t>> tableValues;
    quillon::test::TestFrame display;
    DeviceModel deviceModel;
    std::vector<DeviceFrame> deviceAnswers;
    quillon::test::ScopedBitmapDatabase bitmaps; // the generated ones, as the GUI task registers
    quillon::LanguageTable languageTable;
    ApplicationFontProvider fonts;
    quillon::test::TestApplication application;
    quillon::NoTransition transition;
    quillon::Screen* currentScreen;
    void* currentView; // the same object as its own type: the screen base is virtual
    quillon::Presenter* currentPresenter;
    alignas(std::max_align_t) unsigned char viewSlot[VIEW_BYTES];
    alignas(std::max_align_t) unsigned char presenterSlot[PRESENTER_BYTES];
};
} // namespace test

#endif
