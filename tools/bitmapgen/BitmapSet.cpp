#include "BitmapSet.hpp"

#include <filesystem>
#include <map>

namespace bitmapgen {

namespace {

// Every "<digits>_....svg" in the folder, by id, so a second source of an id is caught.
std::map<int, std::vector<std::string>> sourcesById(const std::string& folder, std::vector<std::string>& errors)
{
    std::map<int, std::vector<std::string>> sources;
    std::error_code failure;
    for (const auto& item : std::filesystem::directory_iterator(folder, failure)) {
        const std::string file = item.path().filename().string();
        if (item.path().extension() != ".svg") {
            continue;
        }
        const size_t underscore = file.find('_');
        if (underscore == std::string::npos || underscore == 0 ||
            file.find_first_not_of("0123456789") != underscore) {
            errors.push_back(file + ": source name must start with the id and '_'");
            continue;
        }
        sources[std::stoi(file.substr(0, underscore))].push_back(file);
    }
    if (failure) {
        errors.push_back("cannot list " + folder + ": " + failure.message());
    }
    return sources;
}

} // namespace

bool loadBitmapSet(const std::string& manifestPath, const std::string& svgFolder, int expectedCount,
                   std::vector<ManifestEntry>& entries, std::vector<Rgb565Image>& images,
                   std::vector<std::string>& errors)
{
    if (!readManifest(manifestPath, expectedCount, entries, errors)) {
        return false;
    }
    const std::map<int, std::vector<std::string>> sources = sourcesById(svgFolder, errors);
    for (const auto& [id, files] : sources) {
        if (files.size() > 1) {
            errors.push_back("id " + std::to_string(id) + " has " + std::to_string(files.size()) + " sources");
        } else if (id >= expectedCount) {
            errors.push_back(files.front() + ": id outside the manifest");
        }
    }
    images.clear();
    images.resize(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const ManifestEntry& entry = entries[i];
        const auto found = sources.find(entry.id);
        if (found == sources.end() || found->second.front() != entry.fileName()) {
            errors.push_back("id " + std::to_string(entry.id) + ": " + entry.fileName() + " is missing");
            continue;
        }
        Raster raster;
        std::string problem;
        if (!renderSvg(svgFolder + "/" + entry.fileName(), raster, problem)) {
            errors.push_back(entry.fileName() + ": " + problem);
            continue;
        }
        if (raster.width != entry.width || raster.height != entry.height) {
            errors.push_back(entry.fileName() + ": renders at " + std::to_string(raster.width) + " x " +
                             std::to_string(raster.height) + ", the manifest says " + std::to_string(entry.width) +
                             " x " + std::to_string(entry.height));
            continue;
        }
        images[i] = toRgb565Image(raster);
    }
    return errors.empty();
}

} // namespace bitmapgen
