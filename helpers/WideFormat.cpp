#include "helpers/WideFormat.hpp"

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <type_traits>

namespace helpers
{
using quillon::WideChar;

namespace
{
const WideChar REPLACEMENT = 0xFFFD;
// One converted number in narrow characters; "%f" of the largest double needs 317.
const size_t NUMBER_CHARACTERS = 512;
// '%', flags, two numbers of ten digits, the length and the conversion fit easily.
const size_t DIRECTIVE_CHARACTERS = 48;

class Output
{
public:
    Output(WideChar* destination, uint16_t capacity) : destination(destination), capacity(capacity), length(0) {}

    void put(WideChar unit)
    {
        if (destination != nullptr && length + 1 < capacity) {
            destination[length++] = unit;
        }
    }
    void pad(int32_t count)
    {
        for (int32_t i = 0; i < count; ++i) {
            put(' ');
        }
    }
    uint16_t finish()
    {
        if (destination != nullptr && capacity > 0) {
            destination[length] = 0;
        }
        return length;
    }

private:
    WideChar* destination;
    uint16_t capacity;
    uint16_t length;
};

class Utf16Format
{
public:
    explicit Utf16Format(const WideChar* text) : position(text) {}
    WideChar peek() const { return *position; }
    void advance() { ++position; }

private:
    const WideChar* position;
};

// Code points of the Basic Multilingual Plane; anything else reads as U+FFFD.
class Utf8Format
{
public:
    explicit Utf8Format(const char* text) : position(reinterpret_cast<const unsigned char*>(text)) { decode(); }
    WideChar peek() const { return unit; }
    void advance()
    {
        position += size;
        decode();
    }

private:
    void decode()
    {
        const unsigned lead = position[0];
        size = 1;
        if (lead < 0x80) {
            unit = static_cast<WideChar>(lead);
        } else if ((lead & 0xE0) == 0xC0 && isContinuation(1)) {
            unit = static_cast<WideChar>(((lead & 0x1F) << 6) | (position[1] & 0x3F));
            size = 2;
        } else if ((lead & 0xF0) == 0xE0 && isContinuation(1) && isContinuation(2)) {
            unit = static_cast<WideChar>(((lead & 0x0F) << 12) | ((position[1] & 0x3F) << 6) | (position[2] & 0x3F));
            size = 3;
        } else {
            unit = REPLACEMENT;
        }
    }
    bool isContinuation(unsigned index) const { return (position[index] & 0xC0) == 0x80; }

    const unsigned char* position;
    WideChar unit;
    unsigned size;
};

enum class Length
{
    None,
    Char,
    Short,
    Long,
    LongLong,
    Max,
    Size,
    Difference,
    LongDouble
};

// One conversion as parsed, its narrow spelling kept for the C library.
struct Directive
{
    char text[DIRECTIVE_CHARACTERS];
    size_t size = 0;
    bool leftAligned = false;
    int32_t width = 0;
    int32_t precision = -1;
    Length length = Length::None;

    void add(char character)
    {
        if (size + 1 < DIRECTIVE_CHARACTERS) {
            text[size++] = character;
            text[size] = 0;
        }
    }
    void addNumber(int32_t value)
    {
        char digits[12];
        const int count = snprintf(digits, sizeof(digits), "%ld", static_cast<long>(value));
        for (int i = 0; i < count; ++i) {
            add(digits[i]);
        }
    }
};

bool isDigit(WideChar unit)
{
    return unit >= '0' && unit <= '9';
}

template <class Format>
int32_t readNumber(Format& format)
{
    int32_t value = 0;
    while (isDigit(format.peek())) {
        if (value < 100000000) { // larger widths mean nothing in a 16-bit buffer
            value = value * 10 + (format.peek() - '0');
        }
        format.advance();
    }
    return value;
}

template <class Format>
void parseLength(Format& format, Directive& directive)
{
    const WideChar first = format.peek();
    switch (first) {
    case 'h':
    case 'l':
        format.advance();
        directive.add(static_cast<char>(first));
        if (format.peek() == first) {
            format.advance();
            directive.add(static_cast<char>(first));
            directive.length = first == 'h' ? Length::Char : Length::LongLong;
        } else {
            directive.length = first == 'h' ? Length::Short : Length::Long;
        }
        break;
    case 'j':
    case 'z':
    case 't':
    case 'L':
        format.advance();
        directive.add(static_cast<char>(first));
        directive.length = first == 'j'   ? Length::Max
                      : first == 'z' ? Length::Size
                      : first == 't' ? Length::Difference
                                     : Length::LongDouble;
        break;
    default:
        break;
    }
}

// Flags, width, precision and length after the '%'; the conversion is left unread.
template <class Format>
void parseDirective(Format& format, va_list* arguments, Directive& directive)
{
    directive.add('%');
    for (;;) {
        const WideChar unit = format.peek();
        if (unit != '-' && unit != '+' && unit != ' ' && unit != '#' && unit != '0') {
            break;
        }
        directive.leftAligned = directive.leftAligned || unit == '-';
        directive.add(static_cast<char>(unit));
        format.advance();
    }
    if (format.peek() == '*') {
        format.advance();
        const int width = va_arg(*arguments, int);
        // A negative width from an argument is a '-' flag and its magnitude.
        if (width < 0) {
            directive.leftAligned = true;
            directive.add('-');
        }
        directive.width = width < 0 ? (width < -100000000 ? 100000000 : -width) : (width > 100000000 ? 100000000 : width);
        directive.addNumber(directive.width);
    } else if (isDigit(format.peek())) {
        directive.width = readNumber(format);
        directive.addNumber(directive.width);
    }
    if (format.peek() == '.') {
        format.advance();
        if (format.peek() == '*') {
            format.advance();
            const int precision = va_arg(*arguments, int);
            // A negative precision from an argument counts as none.
            directive.precision = precision < 0 ? -1 : (precision > 100000000 ? 100000000 : precision);
        } else {
            directive.precision = readNumber(format);
        }
        if (directive.precision >= 0) {
            directive.add('.');
            directive.addNumber(directive.precision);
        }
    }
    parseLength(format, directive);
}

void writeNarrow(Output& output, const char* text, int count)
{
    if (count < 0) {
        return;
    }
    const size_t written = static_cast<size_t>(count) < NUMBER_CHARACTERS ? static_cast<size_t>(count)
                                                                           : NUMBER_CHARACTERS - 1;
    for (size_t i = 0; i < written; ++i) {
        output.put(static_cast<WideChar>(static_cast<unsigned char>(text[i])));
    }
}

// The C library formats one value with the narrow spelling of the conversion.
template <class Value>
void writeNumber(Output& output, const Directive& directive, Value value)
{
    char text[NUMBER_CHARACTERS];
    const int count = snprintf(text, sizeof(text), directive.text, value);
    writeNarrow(output, text, count);
}

void writeSigned(Output& output, const Directive& directive, va_list* arguments)
{
    switch (directive.length) {
    case Length::Long:
        writeNumber(output, directive, va_arg(*arguments, long));
        break;
    case Length::LongLong:
        writeNumber(output, directive, va_arg(*arguments, long long));
        break;
    case Length::Max:
        writeNumber(output, directive, va_arg(*arguments, intmax_t));
        break;
    case Length::Size:
        writeNumber(output, directive, va_arg(*arguments, std::make_signed<size_t>::type));
        break;
    case Length::Difference:
        writeNumber(output, directive, va_arg(*arguments, ptrdiff_t));
        break;
    default: // char and short arrive promoted to int; the spelling narrows them again
        writeNumber(output, directive, va_arg(*arguments, int));
        break;
    }
}

void writeUnsigned(Output& output, const Directive& directive, va_list* arguments)
{
    switch (directive.length) {
    case Length::Long:
        writeNumber(output, directive, va_arg(*arguments, unsigned long));
        break;
    case Length::LongLong:
        writeNumber(output, directive, va_arg(*arguments, unsigned long long));
        break;
    case Length::Max:
        writeNumber(output, directive, va_arg(*arguments, uintmax_t));
        break;
    case Length::Size:
        writeNumber(output, directive, va_arg(*arguments, size_t));
        break;
    case Length::Difference:
        writeNumber(output, directive, va_arg(*arguments, std::make_unsigned<ptrdiff_t>::type));
        break;
    default:
        writeNumber(output, directive, va_arg(*arguments, unsigned int));
        break;
    }
}

void writeFloating(Output& output, const Directive& directive, va_list* arguments)
{
    if (directive.length == Length::LongDouble) {
        writeNumber(output, directive, va_arg(*arguments, long double));
    } else {
        writeNumber(output, directive, va_arg(*arguments, double));
    }
}

// Texts are copied unit by unit: the precision cuts them, the width pads them with blanks.
template <class Unit>
void writeText(Output& output, const Directive& directive, const Unit* text)
{
    static const char NULL_TEXT[] = "(null)";
    if (text == nullptr) {
        writeText(output, directive, NULL_TEXT);
        return;
    }
    int32_t count = 0;
    while (text[count] != 0 && (directive.precision < 0 || count < directive.precision)) {
        ++count;
    }
    if (!directive.leftAligned) {
        output.pad(directive.width - count);
    }
    for (int32_t i = 0; i < count; ++i) {
        output.put(static_cast<WideChar>(static_cast<typename std::make_unsigned<Unit>::type>(text[i])));
    }
    if (directive.leftAligned) {
        output.pad(directive.width - count);
    }
}

void writeCharacter(Output& output, const Directive& directive, WideChar unit)
{
    if (!directive.leftAligned) {
        output.pad(directive.width - 1);
    }
    output.put(unit);
    if (directive.leftAligned) {
        output.pad(directive.width - 1);
    }
}

// Returns false for a conversion the formatter does not know.
bool writeConversion(Output& output, const Directive& directive, WideChar conversion, va_list* arguments)
{
    switch (conversion) {
    case 'd':
    case 'i':
        writeSigned(output, directive, arguments);
        return true;
    case 'o':
    case 'u':
    case 'x':
    case 'X':
        writeUnsigned(output, directive, arguments);
        return true;
    case 'e':
    case 'E':
    case 'f':
    case 'F':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        writeFloating(output, directive, arguments);
        return true;
    case 'p':
        writeNumber(output, directive, va_arg(*arguments, void*));
        return true;
    case 'c':
        // A character arrives promoted to int, a wide one (%lc) as a code unit.
        writeCharacter(output, directive, static_cast<WideChar>(va_arg(*arguments, int)));
        return true;
    case 's':
        if (directive.length == Length::Long) {
            writeText(output, directive, va_arg(*arguments, const WideChar*));
        } else {
            writeText(output, directive, va_arg(*arguments, const char*));
        }
        return true;
    case 'n':
        (void)va_arg(*arguments, void*); // a count written through a pointer: never
        return true;
    case '%':
        output.put('%');
        return true;
    default:
        return false;
    }
}

template <class Format>
uint16_t formatWith(WideChar* destination, uint16_t capacity, Format format, va_list* arguments)
{
    Output output(destination, capacity);
    for (WideChar unit = format.peek(); unit != 0; unit = format.peek()) {
        format.advance();
        if (unit != '%') {
            output.put(unit);
            continue;
        }
        Directive directive;
        parseDirective(format, arguments, directive);
        const WideChar conversion = format.peek();
        if (conversion == 0) {
            break; // a lone '%' at the end
        }
        format.advance();
        const size_t parsed = directive.size;
        if (conversion < 0x80) {
            directive.add(static_cast<char>(conversion));
        }
        if (conversion >= 0x80 || !writeConversion(output, directive, conversion, arguments)) {
            for (size_t i = 0; i < parsed; ++i) {
                output.put(static_cast<WideChar>(directive.text[i]));
            }
            output.put(conversion);
        }
    }
    return output.finish();
}
} // namespace

uint16_t vformatWide(WideChar* destination, uint16_t capacity, const WideChar* format, va_list arguments)
{
    if (format == nullptr) {
        return Output(destination, capacity).finish();
    }
    va_list copy;
    va_copy(copy, arguments);
    const uint16_t length = formatWith(destination, capacity, Utf16Format(format), &copy);
    va_end(copy);
    return length;
}

uint16_t vformatWide(WideChar* destination, uint16_t capacity, const char* format, va_list arguments)
{
    if (format == nullptr) {
        return Output(destination, capacity).finish();
    }
    va_list copy;
    va_copy(copy, arguments);
    const uint16_t length = formatWith(destination, capacity, Utf8Format(format), &copy);
    va_end(copy);
    return length;
}

uint16_t formatWide(WideChar* destination, uint16_t capacity, const WideChar* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const uint16_t length = vformatWide(destination, capacity, format, arguments);
    va_end(arguments);
    return length;
}

uint16_t formatWide(WideChar* destination, uint16_t capacity, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const uint16_t length = vformatWide(destination, capacity, format, arguments);
    va_end(arguments);
    return length;
}
} // namespace helpers
