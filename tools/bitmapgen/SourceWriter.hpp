#pragma once

#include "Rgb565Image.hpp"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace bitmapgen {

// Writes bytes as a C++ string literal split over lines; compiles far faster than a
// list of numbers. Printable characters stand as they are, the rest as 3-digit octal.
void writeByteLiteral(std::ostream& out, const uint8_t* bytes, size_t count);

// Pixels as the database stores them: 16-bit little-endian words, row by row.
std::vector<uint8_t> pixelBytes(const Rgb565Image& image);

} // namespace bitmapgen
