#ifndef GUICONTROLS_TEXTIMAGEPROVIDER_HPP
#define GUICONTROLS_TEXTIMAGEPROVIDER_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// A copy of a text and the bitmap shown beside it.
class TextImageProvider
{
public:
    static const uint16_t TEXT_SIZE = 50;

    TextImageProvider();
    TextImageProvider(const quillon::WideChar* text, uint16_t image);
    virtual ~TextImageProvider() {}

    // A long text is cut to 49 characters; null leaves it empty.
    void setContent(const quillon::WideChar* text, uint16_t image);
    const quillon::WideChar* getText() const { return text; }
    uint16_t getImage() const { return image; }

private:
    uint16_t image;
    quillon::WideChar text[TEXT_SIZE];
};
} // namespace guicontrols

#endif
