#ifndef GUICONTROLS_PROVIDERTEXTS_HPP
#define GUICONTROLS_PROVIDERTEXTS_HPP

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

// Texts shared by the content providers.
namespace guicontrols
{
namespace providertexts
{
const quillon::TextId BULLET = 1257;

// The empty text: what a line without a value shows.
inline const quillon::WideChar* empty()
{
    static const quillon::WideChar EMPTY[1] = {0};
    return EMPTY;
}

// Shown for an invalid value.
inline const quillon::WideChar* dashes()
{
    static const quillon::WideChar DASHES[4] = {'-', '-', '-', 0};
    return DASHES;
}

inline const quillon::WideChar* text(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}

// "● label", cut to the buffer.
inline const quillon::WideChar* bulleted(quillon::WideChar* buffer, uint16_t size, const quillon::WideChar* label)
{
    return quillon::WideString::snprintf(buffer, size, "%s %s", text(BULLET), label);
}

// The label itself, or bulleted into the buffer.
inline const quillon::WideChar* label(bool bullet, quillon::WideChar* buffer, uint16_t size,
                                      const quillon::WideChar* label)
{
    return bullet ? bulleted(buffer, size, label) : label;
}
} // namespace providertexts
} // namespace guicontrols

#endif
