#ifndef TOOLS_COMMON_WRITEIFCHANGED_HPP
#define TOOLS_COMMON_WRITEIFCHANGED_HPP

#include <fstream>
#include <sstream>
#include <string>

namespace tools
{
// Writes content to path unless the file already holds exactly that: an unchanged output
// keeps its time stamp, so nothing that depends on it recompiles. False when it cannot write.
inline bool writeIfChanged(const std::string& path, const std::string& content)
{
    std::ifstream old(path, std::ios::binary);
    if (old) {
        std::stringstream existing;
        existing << old.rdbuf();
        if (existing.str() == content) {
            return true;
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}
} // namespace tools

#endif
