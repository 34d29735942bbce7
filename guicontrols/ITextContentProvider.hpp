#ifndef GUICONTROLS_ITEXTCONTENTPROVIDER_HPP
#define GUICONTROLS_ITEXTCONTENTPROVIDER_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// The two texts of a list line: a label on the left, a value on the right. Never null; a
// text in the provider's own buffer stays valid until the next call on the same provider.
class ITextContentProvider
{
public:
    virtual const quillon::WideChar* getText(uint32_t index) = 0;
    virtual const quillon::WideChar* getSecondText(uint32_t index) = 0;
    virtual ~ITextContentProvider() {}
};
} // namespace guicontrols

#endif
