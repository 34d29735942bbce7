#ifndef GUICONTROLS_IACTIONCONTENTPROVIDER_HPP
#define GUICONTROLS_IACTIONCONTENTPROVIDER_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// A list whose lines are buttons: the label of line index and what its release runs.
class IActionContentProvider
{
public:
    virtual const quillon::WideChar* getText(uint32_t index) = 0;
    virtual void execute(uint32_t index) = 0;
    virtual ~IActionContentProvider() {}
};
} // namespace guicontrols

#endif
