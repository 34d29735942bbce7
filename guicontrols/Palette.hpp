#ifndef GUICONTROLS_PALETTE_HPP
#define GUICONTROLS_PALETTE_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// The application's colours, named by number everywhere ("Palette entry 11"). Computed once
// during start-up and never written again; an entry keeps its address for the whole run, so
// a widget may hold a pointer to it.
class Palette
{
public:
    static const uint8_t SIZE = 37;

    // An index from SIZE on is a programmer's error.
    static const quillon::Color& entry(uint8_t index);
};
} // namespace guicontrols

#endif
