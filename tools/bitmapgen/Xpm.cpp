#include "Xpm.hpp"

#include <algorithm>
#include <cstdio>
#include <map>

namespace bitmapgen {

namespace {

// Pixel characters: printable ASCII without the quote and the backslash.
std::string symbols()
{
    std::string chars;
    for (char c = '#'; c <= '~'; ++c) {
        if (c != '\\') {
            chars += c;
        }
    }
    return chars;
}

uint32_t packed(const Rgba& p)
{
    // Straight colour over black; the icon is drawn without a mask.
    const uint32_t r = p.red * p.alpha / 255;
    const uint32_t g = p.green * p.alpha / 255;
    const uint32_t b = p.blue * p.alpha / 255;
    return (r << 16) | (g << 8) | b;
}

long distance(uint32_t a, uint32_t b)
{
    long sum = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const long d = static_cast<long>((a >> shift) & 0xFF) - static_cast<long>((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

} // namespace

std::vector<std::string> toXpm(const Raster& raster, int maxColours)
{
    std::map<uint32_t, long> frequency;
    for (const Rgba& p : raster.pixels) {
        ++frequency[packed(p)];
    }
    std::vector<std::pair<long, uint32_t>> byUse;
    for (const auto& [colour, count] : frequency) {
        byUse.emplace_back(-count, colour);
    }
    std::sort(byUse.begin(), byUse.end());
    if (static_cast<int>(byUse.size()) > maxColours) {
        byUse.resize(static_cast<size_t>(maxColours));
    }

    const std::string chars = symbols();
    std::map<uint32_t, std::string> code; // kept colour -> its two characters
    std::vector<std::string> lines;
    char header[64];
    std::snprintf(header, sizeof header, "%d %d %zu 2", raster.width, raster.height, byUse.size());
    lines.push_back(header);
    for (size_t i = 0; i < byUse.size(); ++i) {
        const uint32_t colour = byUse[i].second;
        std::string key;
        key += chars[i / chars.size()];
        key += chars[i % chars.size()];
        code[colour] = key;
        char line[32];
        std::snprintf(line, sizeof line, "%s c #%06X", key.c_str(), static_cast<unsigned>(colour));
        lines.push_back(line);
    }
    std::map<uint32_t, std::string> nearest;
    for (int y = 0; y < raster.height; ++y) {
        std::string row;
        for (int x = 0; x < raster.width; ++x) {
            const uint32_t colour = packed(raster.at(x, y));
            auto found = code.find(colour);
            if (found == code.end()) {
                found = nearest.find(colour);
                if (found == nearest.end()) {
                    uint32_t best = byUse.front().second;
                    for (const auto& kept : byUse) {
                        if (distance(kept.second, colour) < distance(best, colour)) {
                            best = kept.second;
                        }
                    }
                    found = nearest.emplace(colour, code[best]).first;
                }
            }
            row += found->second;
        }
        lines.push_back(row);
    }
    return lines;
}

} // namespace bitmapgen
