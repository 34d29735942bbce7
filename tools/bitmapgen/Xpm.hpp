#pragma once

#include "Raster.hpp"

#include <string>
#include <vector>

namespace bitmapgen {

// An opaque raster as XPM lines (header, colours, pixel rows), two characters per pixel,
// with at most maxColours colours: the most frequent ones are kept and every other colour
// takes its nearest kept one. Transparent parts are drawn over black.
std::vector<std::string> toXpm(const Raster& raster, int maxColours);

} // namespace bitmapgen
