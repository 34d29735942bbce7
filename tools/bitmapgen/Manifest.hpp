#pragma once

#include <string>
#include <vector>

namespace bitmapgen {

struct ManifestEntry {
    int id = 0;
    std::string name;
    int width = 0;
    int height = 0;

    // Source file name: the id in three digits and the name, "013_long_button.svg".
    std::string fileName() const;
};

// Reads "id<TAB>name<TAB>width<TAB>height" lines ('#' starts a comment line) and checks
// that the ids are exactly 0 .. expectedCount - 1, each once. The entries come back
// sorted by id. Returns false and lists every problem in errors.
bool readManifest(const std::string& path, int expectedCount, std::vector<ManifestEntry>& entries,
                  std::vector<std::string>& errors);

// The same checks on lines already read, for callers that hold the text.
bool parseManifest(const std::string& text, int expectedCount, std::vector<ManifestEntry>& entries,
                   std::vector<std::string>& errors);

} // namespace bitmapgen
