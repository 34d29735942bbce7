#pragma once

#include "Manifest.hpp"
#include "Rgb565Image.hpp"

#include <string>
#include <vector>

namespace bitmapgen {

// Renders every bitmap of a manifest from "<svgFolder>/<id>_<name>.svg" and checks that
// each source exists, no id has two sources, and each renders at its manifest size.
// images[i] belongs to entries[i]. Returns false and lists every problem in errors.
bool loadBitmapSet(const std::string& manifestPath, const std::string& svgFolder, int expectedCount,
                   std::vector<ManifestEntry>& entries, std::vector<Rgb565Image>& images,
                   std::vector<std::string>& errors);

} // namespace bitmapgen
