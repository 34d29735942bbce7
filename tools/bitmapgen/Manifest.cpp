#include "Manifest.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace bitmapgen {

std::string ManifestEntry::fileName() const
{
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%03d_", id);
    return prefix + name + ".svg";
}

namespace {

bool parseNumber(const std::string& field, int& value)
{
    if (field.empty() || field.size() > 6 || field.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::stoi(field);
    return true;
}

bool validName(const std::string& name)
{
    return !name.empty() && name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") == std::string::npos;
}

} // namespace

bool parseManifest(const std::string& text, int expectedCount, std::vector<ManifestEntry>& entries,
                   std::vector<std::string>& errors)
{
    entries.clear();
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream parts(line);
        std::string field;
        while (std::getline(parts, field, '\t')) {
            fields.push_back(field);
        }
        ManifestEntry entry;
        if (fields.size() != 4 || !parseNumber(fields[0], entry.id) || !validName(fields[1]) ||
            !parseNumber(fields[2], entry.width) || !parseNumber(fields[3], entry.height) || entry.width == 0 ||
            entry.height == 0 || entry.width > 0xFFFF || entry.height > 0x3FFF) {
            errors.push_back("line " + std::to_string(lineNumber) + ": expected id, name, width, height");
            continue;
        }
        entry.name = fields[1];
        entries.push_back(entry);
    }

    std::vector<int> seen(static_cast<size_t>(expectedCount), 0);
    for (const ManifestEntry& entry : entries) {
        if (entry.id >= expectedCount) {
            errors.push_back("id " + std::to_string(entry.id) + " is outside 0.." + std::to_string(expectedCount - 1));
        } else if (++seen[entry.id] == 2) {
            errors.push_back("id " + std::to_string(entry.id) + " is listed more than once");
        }
    }
    for (int id = 0; id < expectedCount; ++id) {
        if (seen[id] == 0) {
            errors.push_back("id " + std::to_string(id) + " is missing");
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const ManifestEntry& a, const ManifestEntry& b) { return a.id < b.id; });
    return errors.empty();
}

bool readManifest(const std::string& path, int expectedCount, std::vector<ManifestEntry>& entries,
                  std::vector<std::string>& errors)
{
    std::ifstream file(path);
    if (!file) {
        errors.push_back("cannot open " + path);
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return parseManifest(text.str(), expectedCount, entries, errors);
}

} // namespace bitmapgen
