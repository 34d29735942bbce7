#ifndef QUILLON_FONTMANAGER_HPP
#define QUILLON_FONTMANAGER_HPP

#include <quillon/Font.hpp>

namespace quillon
{
// Typography id of the application, mapped onto the fonts by a FontProvider.
typedef uint16_t FontId;

class FontProvider
{
public:
    virtual const Font* getFont(FontId fontId) = 0;
    virtual ~FontProvider() {}
};

// Holds the one provider the application registers.
class FontRegistry
{
public:
    static void setProvider(FontProvider* fontProvider) { provider = fontProvider; }
    // Null while no provider is registered.
    static const Font* getFont(FontId fontId) { return provider != nullptr ? provider->getFont(fontId) : nullptr; }

private:
    static FontProvider* provider;
};
} // namespace quillon

#endif
