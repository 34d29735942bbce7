#include "support/screen/ScreenTestBed.hpp"

#include "support/screen/FixedClock.hpp"

#include "model/link/DeviceLink.hpp"
#include "model/link/LinkFrame.hpp"
#include "simulator/board/Board.hpp"
#include "simulator/device/DeviceSimulator.hpp"

#include "BitmapDatabase.hpp"

#include <assets/GeneratedTexts.hpp>
#include <quillon/TypedText.hpp>

namespace test
{
namespace
{
ScreenTestBed* runningBed = nullptr;
}

ScreenTestBed::ScreenTestBed(quillon::Color background)
    : tableValues(), display(background), deviceModel(keepDeviceAnswer, this), deviceAnswers(), bitmaps(BitmapDatabase::getTable(), BitmapDatabase::getCount()), languageTable(assets::textDatabase()), currentScreen(nullptr), currentView(nullptr), currentPresenter(nullptr)
{
    // Every picture drawn on the bed shows one date and time, whatever the host's clock says.
    boardHoldClock(PictureTime::YEAR, PictureTime::MONTH, PictureTime::DAY, PictureTime::HOUR, PictureTime::MINUTE,
                   PictureTime::SECOND);
    quillon::TypedText::registerLanguageTable(&languageTable);
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    quillon::FontRegistry::setProvider(&fonts);

    // No queues: writes are stored and dispatched, nothing is sent or asked.
    linkSetTxQueue(nullptr);
    linkSetRxQueue(nullptr);
    const DpTableEntry* table = dptStaticTable();
    for (std::uint32_t index = 0; index < dptStaticTableSize(); ++index) {
        const std::uint8_t* bytes = static_cast<const std::uint8_t*>(table[index].value);
        tableValues.emplace_back(bytes, bytes + storageSize(index));
    }
    dptInit(dptStaticTable(), dptStaticTableSize(), dptStaticAddressOrder());
    dptSetSenders({sendWrite, linkQueueRead, linkQueueReadFirst});
    dptSetChangeCallback(nullptr); // the seeds are the device's state, not changes
    simSeedTable();
    deviceModel.start();
    deviceAnswers.clear(); // the device starts from the seeds, not from their writes
    model().init();
    runningBed = this;

    display.hal().setListener(&application);
}

ScreenTestBed::~ScreenTestBed()
{
    runningBed = nullptr;
    leave();
    model().bind(nullptr);
    dptSetChangeCallback(nullptr);
    DpTableEntry* table = dptStaticTable();
    for (std::uint32_t index = 0; index < tableValues.size(); ++index) {
        std::memcpy(table[index].value, tableValues[index].data(), tableValues[index].size());
    }
    dptInit(dptStaticTable(), dptStaticTableSize(), dptStaticAddressOrder()); // the next test starts from normal periods
    dptSetSenders(linkTableSenders());
    display.hal().setListener(nullptr);
    boardReleaseClock();
}

int ScreenTestBed::sendWrite(std::uint16_t address, const void* data, std::uint32_t n)
{
    passWriteToDevice(address, data, n);
    return 0; // no queue: as the link without one
}

void ScreenTestBed::passWriteToDevice(std::uint16_t address, const void* data, std::uint32_t n)
{
    if (runningBed == nullptr || n > LINK_MAX_DATA) {
        return;
    }
    DeviceFrame frame{};
    linkBuildHeader(MSG_WRITE_REQUEST, frame, address, static_cast<std::uint8_t>(n));
    frame.used = static_cast<std::uint16_t>(linkAppendData(frame, data, n));
    static_cast<void>(runningBed->deviceModel.receive(frame));
}

void ScreenTestBed::keepDeviceAnswer(void* bed, const DeviceFrame& frame)
{
    static_cast<ScreenTestBed*>(bed)->deviceAnswers.push_back(frame);
}

void ScreenTestBed::deliverDeviceAnswers()
{
    // Taken out first: an answer may make the panel write, and the device answer again.
    while (!deviceAnswers.empty()) {
        std::vector<DeviceFrame> answers;
        answers.swap(deviceAnswers);
        for (const DeviceFrame& frame : answers) {
            linkHandleFrame(frame, frame.used);
        }
    }
}

void ScreenTestBed::deviceSeconds(std::uint32_t seconds)
{
    for (std::uint32_t s = 0; s < seconds; ++s) {
        deviceModel.advance(1);
        deliverDeviceAnswers();
    }
}

void ScreenTestBed::setLanguage(quillon::LanguageId language)
{
    quillon::LanguageTable::setLanguage(language);
    application.invalidate();
}

void ScreenTestBed::enter()
{
    currentPresenter->activate();
    currentScreen->setUp();
    currentScreen->bindTransition(transition);
    transition.init();
    quillon::test::TestApplication::currentScreenPointer() = currentScreen;
    quillon::test::TestApplication::currentTransitionPointer() = &transition;
    application.invalidate();
}

void ScreenTestBed::leave()
{
    if (currentScreen == nullptr) {
        return;
    }
    application.clearAllTimerWidgets();
    transition.tearDown();
    currentScreen->tearDown();
    currentPresenter->deactivate();
    model().bind(nullptr);
    currentScreen->~Screen();
    currentPresenter->~Presenter();
    quillon::test::TestApplication::currentScreenPointer() = nullptr;
    quillon::test::TestApplication::currentTransitionPointer() = nullptr;
    currentScreen = nullptr;
    currentView = nullptr;
    currentPresenter = nullptr;
}

void ScreenTestBed::deviceSendsBytes(std::uint32_t index, const std::uint8_t* bytes, std::uint32_t size)
{
    DeviceFrame frame{};
    std::uint32_t used = linkBuildHeader(MSG_READ_RESPONSE, frame, dptGetAddress(index), static_cast<std::uint8_t>(size));
    used = linkAppendData(frame, bytes, size);
    frame.used = static_cast<std::uint16_t>(used);
    linkHandleFrame(frame, used);
}

std::uint32_t ScreenTestBed::storageSize(std::uint32_t index)
{
    // A float; a scaled type's float and factor; else the wire bytes.
    const dp_type type = dptGetType(index);
    if (type == DP_FLOAT) {
        return sizeof(float);
    }
    return type > DP_FLOAT && type <= DP_SCALED_U32 ? 2 * sizeof(float) : dptTypeSize(type);
}

std::uint32_t ScreenTestBed::scaledToWire(std::uint32_t index, float value, std::uint8_t* bytes)
{
    const dp_type type = dptGetType(index);
    if (type == DP_FLOAT) {
        std::memcpy(bytes, &value, sizeof(value));
        return sizeof(value);
    }
    // Scaled entries travel as their raw little-endian number.
    const std::uint32_t size = dptTypeSize(type);
    const std::uint64_t raw = static_cast<std::uint64_t>(dptFloatToRaw(index, value));
    for (std::uint32_t b = 0; b < size && b < 8; ++b) {
        bytes[b] = static_cast<std::uint8_t>(raw >> (8 * b));
    }
    return size;
}
} // namespace test
