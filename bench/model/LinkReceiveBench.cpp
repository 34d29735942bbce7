// One device answer of 50 value bytes stored into the compiled-in table, as task "PAR"
// receives it: twelve four-byte history values at 0x9000 (rows 356 on) and two bytes that
// do not make a whole entry. The values alternate so every pass really stores.
#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"

#include <benchmark/benchmark.h>

namespace
{
constexpr std::uint16_t HISTORY_ADDRESS = 0x9000;
constexpr std::uint8_t ANSWER_BYTES = 50;

DeviceFrame readAnswer(std::uint8_t fill)
{
    DeviceFrame frame{};
    frame.used = static_cast<std::uint16_t>(linkBuildHeader(MSG_READ_RESPONSE, frame, HISTORY_ADDRESS, ANSWER_BYTES));
    std::uint8_t data[ANSWER_BYTES];
    for (std::uint8_t i = 0; i < ANSWER_BYTES; ++i) {
        data[i] = static_cast<std::uint8_t>(fill + i);
    }
    frame.used = static_cast<std::uint16_t>(linkAppendData(frame, data, ANSWER_BYTES));
    return frame;
}

void StoreFiftyByteReadAnswer(benchmark::State& state)
{
    dptInit(dptStaticTable(), dptStaticTableSize(), dptStaticAddressOrder());
    const DeviceFrame answers[2] = {readAnswer(1), readAnswer(2)};
    std::uint32_t pass = 0;
    for (auto _ : state) {
        const DeviceFrame& frame = answers[pass++ & 1];
        linkHandleFrame(frame, frame.used);
    }
    std::uint32_t check = 0;
    benchmark::DoNotOptimize(dptGet(356, &check));
    benchmark::DoNotOptimize(check);
}
BENCHMARK(StoreFiftyByteReadAnswer);
} // namespace
