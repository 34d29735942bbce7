#include <quillon/Assert.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef QUILLON_SOURCE_ROOT
#define QUILLON_SOURCE_ROOT ""
#endif

namespace quillon
{
void sourcePathWithoutExtension(const char* file, char* out, unsigned capacity)
{
    if (capacity == 0) {
        return;
    }
    const char* start = file;
    const size_t rootLength = std::strlen(QUILLON_SOURCE_ROOT);
    if (rootLength > 0 && std::strncmp(file, QUILLON_SOURCE_ROOT, rootLength) == 0) {
        start = file + rootLength;
    } else {
        // A compiler cache may compile with paths relative to the build folder: "../framework/..."
        while (std::strncmp(start, "../", 3) == 0) {
            start += 3;
        }
    }
    size_t length = std::strlen(start);
    const char* dot = std::strrchr(start, '.');
    const char* slash = std::strrchr(start, '/');
    if (dot != nullptr && (slash == nullptr || dot > slash)) {
        length = static_cast<size_t>(dot - start);
    }
    if (length > capacity - 1) {
        length = capacity - 1;
    }
    std::memcpy(out, start, length);
    out[length] = '\0';
}

void assertionFailed(const char* expression, const char* file, int line)
{
    char path[256];
    sourcePathWithoutExtension(file, path, sizeof(path));
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", expression, path, line);
    std::fflush(stderr);
    std::abort();
}
} // namespace quillon
