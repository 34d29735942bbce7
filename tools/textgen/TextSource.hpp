#pragma once
// Reads the translated text table (rows of '|'-separated fields, one per text id) and checks it.
// Shared by the table generator and the preview tool.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace textsource {

constexpr int TEXT_COUNT = 1599;
constexpr int LANGUAGE_COUNT = 10;
constexpr int FONT_COUNT = 8;
constexpr int ENGLISH = 1;

// Column order of the table and of the generated language tables.
extern const char* const LANGUAGE_CODES[LANGUAGE_COUNT];

struct TextRow {
    bool present = false;
    std::string file;
    int line = 0;
    int font = 2;
    int alignment = 0;
    std::array<std::u16string, LANGUAGE_COUNT> strings;
};

struct TextTable {
    std::vector<TextRow> rows = std::vector<TextRow>(TEXT_COUNT);
};

// Parses the files into table; every problem found is appended to errors ("file:line: what").
void readTable(const std::vector<std::string>& files, TextTable& table, std::vector<std::string>& errors);

// Checks a complete table: ids, wildcards, keyboard layouts. Appends to errors.
void checkTable(const TextTable& table, std::vector<std::string>& errors);

// The wildcards of a text in order ("%s", "%%", ...); a lone "%" at the end counts as "%".
std::vector<std::u16string> wildcardsOf(const std::u16string& text);

// What a text shows with its wildcards left out ("%%" gives "%", "%s" nothing).
std::u16string drawnCharacters(const std::u16string& text);

// UTF-8 to UTF-16 (basic plane only); false on malformed input or characters beyond it.
bool utf8ToUtf16(const std::string& in, std::u16string& out);
std::string utf16ToUtf8(const std::u16string& in);

} // namespace textsource
