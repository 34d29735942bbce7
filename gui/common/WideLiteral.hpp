#ifndef GUI_COMMON_WIDELITERAL_HPP
#define GUI_COMMON_WIDELITERAL_HPP

#include <quillon/hal/Types.hpp>

static_assert(sizeof(char16_t) == sizeof(quillon::WideChar), "a UTF-16 literal is a wide text");

// A UTF-16 literal (a provider's value format) as the framework's wide text.
inline const quillon::WideChar* wide(const char16_t* literal)
{
    return reinterpret_cast<const quillon::WideChar*>(literal);
}

#endif
