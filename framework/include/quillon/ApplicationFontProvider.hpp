#ifndef QUILLON_APPLICATIONFONTPROVIDER_HPP
#define QUILLON_APPLICATIONFONTPROVIDER_HPP

#include <quillon/FontManager.hpp>

// The application's typographies. Each FontId is one of the fonts of the registered text
// database's font table; any instance gives the same fonts, so callers construct one locally.
class ApplicationFontProvider : public quillon::FontProvider
{
public:
    static const quillon::FontId NUMBER_OF_FONT_IDS = 27;

    // Null for an id from NUMBER_OF_FONT_IDS on, or while no text database is registered.
    const quillon::Font* getFont(quillon::FontId fontId) override;

    // Font table index of a FontId (ids below NUMBER_OF_FONT_IDS).
    static uint8_t fontIndexOf(quillon::FontId fontId);
};

#endif
