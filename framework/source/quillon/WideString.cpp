#include <quillon/WideString.hpp>
#include <quillon/hal/HAL.hpp>

namespace quillon
{
namespace
{
const WideChar PERCENT = '%';
const WideChar SPACE = ' ';

// Digits of the magnitude, most significant first, into a buffer of NUMBER_BUFFER_SIZE units.
void formatNumber(int32_t value, WideChar* buffer, int radix)
{
    static const char DIGITS[] = "0123456789ABCDEF";
    // The magnitude in unsigned arithmetic: the most negative value has no positive twin.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    WideChar reversed[WideString::NUMBER_BUFFER_SIZE];
    uint16_t count = 0;
    do {
        reversed[count++] = static_cast<WideChar>(DIGITS[magnitude % static_cast<uint32_t>(radix)]);
        magnitude /= static_cast<uint32_t>(radix);
    } while (magnitude != 0);
    uint16_t position = 0;
    if (value < 0) {
        buffer[position++] = '-';
    }
    while (count > 0) {
        buffer[position++] = reversed[--count];
    }
    buffer[position] = 0;
}

// Appends up to the room left before the terminator's place.
uint16_t appendString(WideChar* destination, uint16_t written, uint16_t size, const WideChar* source)
{
    if (source == nullptr) {
        return written;
    }
    while (*source != 0 && written + 1 < size) {
        destination[written++] = *source++;
    }
    return written;
}

WideChar toWide(WideChar unit)
{
    return unit;
}

WideChar toWide(char character)
{
    return WideString::fromLatin1(character);
}

// Units before the terminator; none for a null string.
template <typename Unit>
uint16_t lengthOf(const Unit* string)
{
    if (string == nullptr) {
        return 0;
    }
    uint16_t length = 0;
    while (string[length] != 0) {
        ++length;
    }
    return length;
}

// Up to maximum units, the terminator included when it comes within them; returns the
// units copied before it.
template <typename Unit>
uint16_t copyUnits(WideChar* destination, const Unit* source, uint16_t maximum)
{
    if (destination == nullptr || source == nullptr) {
        return 0;
    }
    uint16_t copied = 0;
    while (copied < maximum) {
        destination[copied] = toWide(source[copied]);
        if (source[copied] == 0) {
            break;
        }
        ++copied;
    }
    return copied;
}
} // namespace

uint16_t WideString::strlen(const WideChar* string)
{
    return lengthOf(string);
}

uint16_t WideString::strlen8(const char* string)
{
    return lengthOf(string);
}

uint16_t WideString::strncpy(WideChar* destination, const WideChar* source, uint16_t maximum)
{
    return copyUnits(destination, source, maximum);
}

uint16_t WideString::strncpy(WideChar* destination, const char* source, uint16_t maximum)
{
    return copyUnits(destination, source, maximum);
}

void WideString::itoa(int32_t value, WideChar* destination, uint16_t size, int radix)
{
    if (destination == nullptr || radix < 2 || radix > 16) {
        return;
    }
    WideChar digits[NUMBER_BUFFER_SIZE];
    formatNumber(value, digits, radix);
    strncpy(destination, digits, size);
}

int32_t WideString::atoi(const WideChar* string)
{
    if (string == nullptr) {
        return 0;
    }
    // Unsigned accumulation: a long run of digits wraps instead of overflowing.
    uint32_t value = 0;
    while (*string >= '0' && *string <= '9') {
        value = value * 10u + static_cast<uint32_t>(*string - '0');
        ++string;
    }
    return static_cast<int32_t>(value);
}

WideChar* WideString::vsnprintf(WideChar* destination, uint16_t size, const WideChar* format, va_list arguments)
{
    if (destination == nullptr || size == 0) {
        return destination;
    }
    format = mapStringPointer(format);
    uint16_t written = 0;
    if (format != nullptr) {
        while (*format != 0 && written + 1 < size) {
            if (*format != PERCENT) {
                destination[written++] = *format++;
                continue;
            }
            ++format;
            const WideChar letter = *format;
            if (letter == 0) {
                break; // a '%' at the very end ends formatting
            }
            switch (letter) {
            case 'd':
            case 'i':
            case 'u':
            case 'o':
            case 'x': {
                const int radix = letter == 'o' ? 8 : (letter == 'x' ? 16 : 10);
                WideChar number[NUMBER_BUFFER_SIZE];
                formatNumber(va_arg(arguments, int), number, radix);
                written = appendString(destination, written, size, number);
                break;
            }
            case 's':
                // A null text writes nothing for its placeholder.
                written = appendString(destination, written, size,
                                       mapStringPointer(va_arg(arguments, const WideChar*)));
                break;
            case 'c':
                destination[written++] = fromLatin1(static_cast<char>(va_arg(arguments, int)));
                break;
            case PERCENT:
                destination[written++] = PERCENT;
                break;
            default:
                break; // unknown letters write nothing and take no argument
            }
            ++format;
        }
    }
    destination[written] = 0;
    return destination;
}

WideChar* WideString::snprintf(WideChar* destination, uint16_t size, const WideChar* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(destination, size, format, arguments);
    va_end(arguments);
    return destination;
}

WideChar* WideString::snprintf(WideChar* destination, uint16_t size, const char* format, ...)
{
    WideChar wideFormat[FORMAT8_BUFFER_SIZE];
    const WideChar* formatToUse = nullptr;
    if (format != nullptr) {
        // Longer formats are cut, never left without a terminator.
        strncpy(wideFormat, format, FORMAT8_BUFFER_SIZE - 1);
        wideFormat[FORMAT8_BUFFER_SIZE - 1] = 0;
        formatToUse = wideFormat;
    }
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(destination, size, formatToUse, arguments);
    va_end(arguments);
    return destination;
}

int WideString::strncmp(const WideChar* first, const WideChar* second, uint16_t maximum)
{
    if (maximum == 0 || first == second) {
        return 0;
    }
    if (first == nullptr) {
        return -1;
    }
    if (second == nullptr) {
        return 1;
    }
    for (uint16_t index = 0; index < maximum; ++index) {
        if (first[index] != second[index]) {
            return first[index] < second[index] ? -1 : 1;
        }
        if (first[index] == 0) {
            break;
        }
    }
    return 0;
}

int WideString::strncmpIgnoringSpaces(const WideChar* first, const WideChar* second, uint16_t maximum)
{
    if (maximum == 0 || first == second) {
        return 0;
    }
    if (first == nullptr) {
        return -1;
    }
    if (second == nullptr) {
        return 1;
    }
    for (uint16_t compared = 0; compared < maximum; ++compared) {
        first = skipSpaces(first);
        second = skipSpaces(second);
        if (*first != *second) {
            return *first < *second ? -1 : 1;
        }
        if (*first == 0) {
            break;
        }
        ++first;
        ++second;
    }
    return 0;
}

const WideChar* WideString::skipSpaces(const WideChar* string)
{
    if (string == nullptr) {
        return nullptr;
    }
    while (*string == SPACE) {
        ++string;
    }
    return string;
}
} // namespace quillon

namespace quillon
{
const WideChar* mapStringPointer(const WideChar* string)
{
    HAL* hal = HAL::getInstance();
    return hal != nullptr ? hal->mapStringPointer(string) : string;
}
} // namespace quillon
