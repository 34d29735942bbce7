#ifndef QUILLON_ASSERT_HPP
#define QUILLON_ASSERT_HPP

namespace quillon
{
// Prints "Assertion failed: <expression>, file <path without extension>, line <n>" on
// standard error and stops the program. Framework misuse is a programmer's error.
[[noreturn]] void assertionFailed(const char* expression, const char* file, int line);

// Turns a compiler path into the project-relative path without extension,
// e.g. ".../framework/source/quillon/containers/Container.cpp" -> "framework/source/quillon/containers/Container".
// Writes at most capacity - 1 characters and always terminates.
void sourcePathWithoutExtension(const char* file, char* out, unsigned capacity);
} // namespace quillon

#define QUILLON_ASSERT(expression) \
    ((expression) ? static_cast<void>(0) : ::quillon::assertionFailed(#expression, __FILE__, __LINE__))

// An assertion whose message names a fixed place (path without extension, line) that tools
// look for, whatever line the check has moved to; compilers and debuggers keep the real one.
#define QUILLON_ASSERT_AT(expression, path, line) \
    ((expression) ? static_cast<void>(0) : ::quillon::assertionFailed(#expression, path, line))

#endif
