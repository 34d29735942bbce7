#include "TextSource.hpp"

#include <fstream>
#include <sstream>

namespace textsource {

const char* const LANGUAGE_CODES[LANGUAGE_COUNT] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

namespace {

constexpr int KEYBOARD_FIRST = 34;
constexpr int KEYBOARD_LAST = 43;
constexpr size_t KEYBOARD_KEYS = 29;

std::string where(const std::string& file, int line)
{
    return file + ":" + std::to_string(line) + ": ";
}

// Fields are separated by '|'; a backslash keeps the next character in the field
// (escapes are resolved per cell afterwards).
std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            fields.back() += line[i];
            fields.back() += line[++i];
        } else if (line[i] == '|') {
            fields.emplace_back();
        } else {
            fields.back() += line[i];
        }
    }
    return fields;
}

bool parseNumber(const std::string& text, int low, int high, int& value)
{
    if (text.empty() || text.size() > 5) {
        return false;
    }
    int result = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        result = result * 10 + (c - '0');
    }
    if (result < low || result > high) {
        return false;
    }
    value = result;
    return true;
}

// Escapes: \n line break, \t tab, \\ backslash, \| a bar, \~ a literal tilde. A cell that is
// exactly "~" repeats the English text (units, names and codes that read the same).
bool unescape(const std::string& cell, std::string& out, std::string& problem)
{
    out.clear();
    for (size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\') {
            out += cell[i];
            continue;
        }
        if (i + 1 == cell.size()) {
            problem = "backslash at the end of a cell";
            return false;
        }
        const char next = cell[++i];
        switch (next) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        case '~': out += '~'; break;
        case '|': out += '|'; break;
        default:
            problem = std::string("unknown escape \\") + next;
            return false;
        }
    }
    return true;
}

} // namespace

bool utf8ToUtf16(const std::string& in, std::u16string& out)
{
    out.clear();
    for (size_t i = 0; i < in.size();) {
        const unsigned char c = static_cast<unsigned char>(in[i]);
        uint32_t code = 0;
        size_t extra = 0;
        if (c < 0x80) {
            code = c;
        } else if ((c & 0xE0) == 0xC0) {
            code = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            code = c & 0x0F;
            extra = 2;
        } else {
            return false; // four-byte sequences lie beyond the basic plane
        }
        for (size_t k = 1; k <= extra; ++k) {
            if (i + k >= in.size()) {
                return false;
            }
            const unsigned char d = static_cast<unsigned char>(in[i + k]);
            if ((d & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (d & 0x3F);
        }
        if ((code >= 0xD800 && code <= 0xDFFF) || (extra == 1 && code < 0x80) || (extra == 2 && code < 0x800)) {
            return false;
        }
        out += static_cast<char16_t>(code);
        i += extra + 1;
    }
    return true;
}

std::string utf16ToUtf8(const std::u16string& in)
{
    std::string out;
    for (char16_t unit : in) {
        const uint32_t c = unit;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::vector<std::u16string> wildcardsOf(const std::u16string& text)
{
    std::vector<std::u16string> result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            continue;
        }
        if (i + 1 == text.size()) {
            result.push_back(u"%");
        } else {
            result.push_back(text.substr(i, 2));
            ++i;
        }
    }
    return result;
}

std::u16string drawnCharacters(const std::u16string& text)
{
    std::u16string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            result += text[i];
        } else if (i + 1 == text.size() || text[i + 1] == u'%') {
            result += u'%';
            ++i;
        } else {
            ++i; // an argument: its characters come from the caller
        }
    }
    return result;
}

void readTable(const std::vector<std::string>& files, TextTable& table, std::vector<std::string>& errors)
{
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            errors.push_back(file + ": cannot be read");
            continue;
        }
        std::string line;
        int lineNumber = 0;
        while (std::getline(in, line)) {
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line.empty() || line[0] == '#') {
                continue;
            }
            const std::string at = where(file, lineNumber);
            const std::vector<std::string> fields = splitFields(line);
            if (fields.size() != 3 && fields.size() != 3 + LANGUAGE_COUNT) {
                errors.push_back(at + "expected 3 or " + std::to_string(3 + LANGUAGE_COUNT) + " fields, found " +
                                 std::to_string(fields.size()));
                continue;
            }
            int id = 0;
            if (!parseNumber(fields[0], 0, TEXT_COUNT - 1, id)) {
                errors.push_back(at + "text id '" + fields[0] + "' is not in 0.." + std::to_string(TEXT_COUNT - 1));
                continue;
            }
            TextRow& row = table.rows[id];
            if (row.present) {
                errors.push_back(at + "text id " + std::to_string(id) + " doubled (first at " + row.file + ":" +
                                 std::to_string(row.line) + ")");
                continue;
            }
            row.present = true;
            row.file = file;
            row.line = lineNumber;
            if (!parseNumber(fields[1], 0, FONT_COUNT - 1, row.font)) {
                errors.push_back(at + "font '" + fields[1] + "' is not in 0.." + std::to_string(FONT_COUNT - 1));
            }
            if (!parseNumber(fields[2], 0, 2, row.alignment)) {
                errors.push_back(at + "alignment '" + fields[2] + "' is not 0, 1 or 2");
            }
            if (fields.size() == 3) {
                continue; // no text in any language
            }
            for (int language = 0; language < LANGUAGE_COUNT; ++language) {
                const std::string& cell = fields[3 + language];
                if (cell == "~") {
                    continue; // filled from English below
                }
                std::string text;
                std::string problem;
                if (!unescape(cell, text, problem) || !utf8ToUtf16(text, row.strings[language])) {
                    errors.push_back(at + LANGUAGE_CODES[language] + ": " +
                                     (problem.empty() ? std::string("not UTF-8 of the basic plane") : problem));
                }
            }
            if (fields[3 + ENGLISH] == "~") {
                errors.push_back(at + "English cannot repeat itself");
            }
            for (int language = 0; language < LANGUAGE_COUNT; ++language) {
                if (fields[3 + language] == "~") {
                    row.strings[language] = row.strings[ENGLISH];
                }
            }
        }
    }
}

void checkTable(const TextTable& table, std::vector<std::string>& errors)
{
    for (int id = 0; id < TEXT_COUNT; ++id) {
        const TextRow& row = table.rows[id];
        if (!row.present) {
            errors.push_back("text id " + std::to_string(id) + " missing");
            continue;
        }
        const std::string at = where(row.file, row.line) + "text " + std::to_string(id) + " ";
        const std::vector<std::u16string> english = wildcardsOf(row.strings[ENGLISH]);
        for (int language = 0; language < LANGUAGE_COUNT; ++language) {
            const std::u16string& text = row.strings[language];
            if (wildcardsOf(text) != english) {
                errors.push_back(at + LANGUAGE_CODES[language] + ": wildcards differ from the English text");
            }
            if (id >= KEYBOARD_FIRST && id <= KEYBOARD_LAST && text.size() != KEYBOARD_KEYS) {
                errors.push_back(at + LANGUAGE_CODES[language] + ": a keyboard layout needs " +
                                 std::to_string(KEYBOARD_KEYS) + " characters, found " +
                                 std::to_string(text.size()));
            }
            // The number keyboards take their digit keys from these texts.
            if ((id == 41 || id == 45) && text.compare(0, 10, u"1234567890") != 0) {
                errors.push_back(at + LANGUAGE_CODES[language] + ": must begin with 1234567890");
            }
            if (id == 46 && (text.size() <= 10 || text[10] != u'.')) {
                errors.push_back(at + LANGUAGE_CODES[language] + ": character 10 must be '.'");
            }
            for (char16_t c : text) {
                if (c < 0x20 && c != u'\n' && c != u'\t') {
                    errors.push_back(at + LANGUAGE_CODES[language] + ": control character " +
                                     std::to_string(static_cast<int>(c)));
                    break;
                }
            }
        }
    }
}

} // namespace textsource
