#ifndef QUILLON_TEST_FRAMEBUFFERS_HPP
#define QUILLON_TEST_FRAMEBUFFERS_HPP

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillon
{
namespace test
{
// Frame-sized buffers that outlive their test double and serve the next one. Tests that
// build a display per page spent most of their time on the page faults of fresh buffers
// (and, under AddressSanitizer, on its shadow of them).
std::vector<uint16_t> takeBuffer16(size_t size, uint16_t fill);
std::vector<uint32_t> takeBuffer32(size_t size, uint32_t fill);
void giveBack(std::vector<uint16_t>& buffer);
void giveBack(std::vector<uint32_t>& buffer);
} // namespace test
} // namespace quillon

#endif
