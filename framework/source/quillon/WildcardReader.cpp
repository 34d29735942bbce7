#include <quillon/WildcardReader.hpp>

namespace quillon
{
namespace
{
bool takesArgument(WideChar letter)
{
    switch (letter) {
    case 'c':
    case 'd':
    case 'i':
    case 'u':
    case 'o':
    case 'x':
    case 's':
        return true;
    default:
        return false;
    }
}
} // namespace

WildcardReader::WildcardReader()
    : format(nullptr), position(nullptr), substitution(nullptr), substituting(0), numberBuffer(), hasArguments(false)
{
}

WildcardReader::~WildcardReader()
{
    if (hasArguments) {
        va_end(arguments);
    }
}

void WildcardReader::initialize(const WideChar* text, va_list argumentList)
{
    initialize(text);
    va_copy(arguments, argumentList);
    hasArguments = true;
}

void WildcardReader::initialize(const WideChar* text)
{
    if (hasArguments) {
        va_end(arguments);
    }
    hasArguments = false;
    format = text;
    position = nullptr;
    substitution = nullptr;
    substituting = 0;
}

WideChar WildcardReader::takeSubstitution()
{
    const WideChar unit = *substitution++;
    if (*substitution == 0) {
        substituting = 0;
    }
    return unit;
}

WideChar WildcardReader::getNextChar()
{
    if (position == nullptr) {
        if (format == nullptr) {
            return 0;
        }
        position = mapStringPointer(format);
    }
    if (substituting != 0) {
        if (*substitution != 0) {
            return takeSubstitution();
        }
        substituting = 0;
    }
    // A wildcard that vanishes (an empty text) goes round again, so what follows it is read
    // as text, never returned raw.
    for (;;) {
        const WideChar unit = *position;
        if (unit == 0) {
            return 0;
        }
        if (unit != '%') {
            ++position;
            return unit;
        }
        const WideChar letter = position[1];
        if (takesArgument(letter) && !hasArguments) {
            position += 2; // nothing to substitute
            continue;
        }
        switch (letter) {
        case 0:
            ++position; // onto the terminator: this '%' is the last unit
            return '%';
        case '%':
            position += 2;
            return '%';
        case 'c':
            position += 2;
            return WideString::fromLatin1(static_cast<char>(va_arg(arguments, int)));
        case 'd':
        case 'i':
        case 'u':
        case 'o':
        case 'x': {
            const int radix = letter == 'o' ? 8 : (letter == 'x' ? 16 : 10);
            WideString::itoa(va_arg(arguments, int), numberBuffer, WideString::NUMBER_BUFFER_SIZE, radix);
            position += 2;
            substitution = numberBuffer;
            substituting = 1;
            return takeSubstitution();
        }
        case 's': {
            const WideChar* text = mapStringPointer(va_arg(arguments, const WideChar*));
            position += 2;
            if (text == nullptr || *text == 0) {
                continue;
            }
            substitution = text;
            substituting = 1;
            return takeSubstitution();
        }
        default:
            // An unknown placeholder ends the text; staying on it keeps it ended.
            return 0;
        }
    }
}
} // namespace quillon
