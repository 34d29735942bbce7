#ifndef QUILLON_WILDCARDREADER_HPP
#define QUILLON_WILDCARDREADER_HPP

#include <quillon/WideString.hpp>

#include <stdarg.h>

namespace quillon
{
// Reads a text unit by unit with its wildcards substituted: "%s" takes a text argument,
// "%d" "%i" "%u" "%o" "%x" a number, "%c" a character and "%%" gives one percent sign.
class WildcardReader
{
public:
    WildcardReader();
    ~WildcardReader();

    // Takes its own copy of the argument list, so two readers can walk the same text.
    void initialize(const WideChar* text, va_list arguments);
    // A text read without arguments: placeholders that need one vanish.
    void initialize(const WideChar* text);

    // The next unit, 0 at the end (and from then on).
    WideChar getNextChar();

private:
    WildcardReader(const WildcardReader&) = delete;
    WildcardReader& operator=(const WildcardReader&) = delete;

    WideChar takeSubstitution();

    const WideChar* format;
    const WideChar* position;
    va_list arguments;
    const WideChar* substitution;
    uint8_t substituting;
    WideChar numberBuffer[WideString::NUMBER_BUFFER_SIZE];
    bool hasArguments;
};
} // namespace quillon

#endif
