#include "TableSource.hpp"

#include "model/dpt/WireSizes.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace
{
std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == '\t') {
        fields.push_back("");
    }
    return fields;
}

bool parseInteger(const std::string& text, long long& out)
{
    if (text.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    out = std::strtoll(text.c_str(), &end, 0);
    return errno == 0 && *end == '\0';
}

bool parseFloat(const std::string& text, float& out)
{
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    out = std::strtof(text.c_str(), &end);
    return *end == '\0' && std::isfinite(out);
}

void appendLittleEndian(std::vector<std::uint8_t>& bytes, unsigned long long value, unsigned size)
{
    for (unsigned i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// A structured value: space-separated tokens, each a hex byte ("3C"), a list of
// little-endian numbers ("i16:452,448", "u16:", "u32:"), an 8-bit text ("text:...")
// or a UTF-16 text ("utf16:..."; both run to the end of the field).
bool parseBytes(const std::string& text, std::vector<std::uint8_t>& bytes, std::string& error)
{
    std::size_t position = 0;
    while (position < text.size()) {
        if (text[position] == ' ') {
            ++position;
            continue;
        }
        if (text.compare(position, 5, "text:") == 0 || text.compare(position, 6, "utf16:") == 0) {
            const bool wide = text[position] == 'u';
            for (std::size_t i = position + (wide ? 6 : 5); i < text.size(); ++i) {
                appendLittleEndian(bytes, static_cast<unsigned char>(text[i]), wide ? 2 : 1);
            }
            return true;
        }
        std::size_t end = text.find(' ', position);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string token = text.substr(position, end - position);
        position = end;
        const std::size_t colon = token.find(':');
        if (colon == std::string::npos) {
            long long value = 0;
            if (token.size() != 2 || !parseInteger("0x" + token, value)) {
                error = "bad byte '" + token + "'";
                return false;
            }
            bytes.push_back(static_cast<std::uint8_t>(value));
            continue;
        }
        const std::string kind = token.substr(0, colon);
        long long low = 0;
        long long high = 0;
        unsigned size = 0;
        if (kind == "i16") {
            low = -32768, high = 32767, size = 2;
        } else if (kind == "u16") {
            low = 0, high = 65535, size = 2;
        } else if (kind == "u32") {
            low = 0, high = 0xFFFFFFFFLL, size = 4;
        } else {
            error = "unknown token kind '" + kind + "'";
            return false;
        }
        std::istringstream numbers(token.substr(colon + 1));
        std::string number;
        while (std::getline(numbers, number, ',')) {
            long long value = 0;
            if (!parseInteger(number, value) || value < low || value > high) {
                error = "bad " + kind + " value '" + number + "'";
                return false;
            }
            appendLittleEndian(bytes, static_cast<unsigned long long>(value), size);
        }
    }
    return true;
}

// Turns a value text into the bytes of the given type (floats as their 4 bytes).
bool parseValue(unsigned type, const std::string& text, std::vector<std::uint8_t>& bytes,
                float& floatValue, std::string& error)
{
    const unsigned size = wireSize(type);
    if (isFloat(type)) {
        if (!parseFloat(text, floatValue)) {
            error = "bad float '" + text + "'";
            return false;
        }
        bytes.resize(4);
        std::memcpy(bytes.data(), &floatValue, 4);
        return true;
    }
    if (type <= 4) {
        static const long long LOW[] = {0, -128, 0, 0, 0};
        static const long long HIGH[] = {255, 127, 65535, 65535, 0xFFFFFFFFLL};
        long long value = 0;
        if (!parseInteger(text, value) || value < LOW[type] || value > HIGH[type]) {
            error = "bad number '" + text + "' for type " + std::to_string(type);
            return false;
        }
        appendLittleEndian(bytes, static_cast<unsigned long long>(value), size);
        return true;
    }
    if (!parseBytes(text, bytes, error)) {
        return false;
    }
    if (bytes.size() > size) {
        error = "value of " + std::to_string(bytes.size()) + " bytes exceeds the type's " +
                std::to_string(size);
        return false;
    }
    bytes.resize(size, 0);
    return true;
}

std::string where(const std::string& path, int line)
{
    return path + ":" + std::to_string(line) + ": ";
}

// Hands each line that is neither empty nor a comment to readFields(lineNumber, fields).
template <class ReadFields>
void forEachRecord(const std::string& path, std::vector<std::string>& errors, ReadFields readFields)
{
    std::ifstream in(path);
    if (!in) {
        errors.push_back(path + ": cannot open");
        return;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        readFields(lineNumber, splitTabs(line));
    }
}
} // namespace

unsigned wireSize(unsigned type)
{
    return dpWireSize(type);
}

bool isScaled(unsigned type)
{
    return type >= 6 && type <= 9;
}

bool isFloat(unsigned type)
{
    return type >= 5 && type <= 9;
}

std::vector<Row> readTable(const std::string& path, std::vector<std::string>& errors)
{
    std::vector<Row> rows;
    forEachRecord(path, errors, [&](int lineNumber, const std::vector<std::string>& f) {
        if (f.size() != 9) {
            errors.push_back(where(path, lineNumber) + "expected 9 fields, found " +
                             std::to_string(f.size()));
            return;
        }
        Row row;
        row.line = lineNumber;
        long long values[6] = {};
        bool ok = true;
        for (int i = 0; i < 6; ++i) {
            ok = ok && parseInteger(f[i], values[i]);
        }
        if (!ok || values[1] < 0 || values[1] > 0xFFFF || values[2] < 0 || values[2] > 36 ||
            values[3] < 0 || values[3] > 0xFFFF || values[4] < 0 || values[4] > 0xFFFF ||
            values[5] < -32768 || values[5] > 32767) {
            errors.push_back(where(path, lineNumber) + "bad index, address, type, period or countdown");
            return;
        }
        row.index = static_cast<unsigned>(values[0]);
        row.address = static_cast<unsigned>(values[1]);
        row.type = static_cast<unsigned>(values[2]);
        row.normal = static_cast<unsigned>(values[3]);
        row.fast = static_cast<unsigned>(values[4]);
        row.countdown = static_cast<int>(values[5]);
        row.name = f[8];
        if (!f[6].empty()) {
            std::string error;
            row.hasInitial = parseValue(row.type, f[6], row.initial, row.initialFloat, error);
            if (!row.hasInitial) {
                errors.push_back(where(path, lineNumber) + error);
            }
        }
        if (!isFloat(row.type)) {
            row.initial.resize(wireSize(row.type), 0);
        }
        rows.push_back(row);
    });
    return rows;
}

std::vector<Seed> readSeeds(const std::string& path, const std::vector<Row>& rows,
                            std::vector<std::string>& errors)
{
    std::vector<Seed> seeds;
    forEachRecord(path, errors, [&](int lineNumber, const std::vector<std::string>& f) {
        long long table = 0;
        long long index = 0;
        if (f.size() != 3 || !parseInteger(f[0], table) || !parseInteger(f[1], index) ||
            index < 0 || static_cast<std::size_t>(index) >= rows.size()) {
            errors.push_back(where(path, lineNumber) + "expected table, index of a row and value");
            return;
        }
        Seed seed;
        seed.line = lineNumber;
        seed.table = static_cast<unsigned>(table);
        seed.index = static_cast<unsigned>(index);
        float unused = 0.0f;
        std::string error;
        if (!parseValue(rows[seed.index].type, f[2], seed.value, unused, error)) {
            errors.push_back(where(path, lineNumber) + error);
            return;
        }
        seeds.push_back(seed);
    });
    return seeds;
}
