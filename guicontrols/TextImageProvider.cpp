#include "guicontrols/TextImageProvider.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
TextImageProvider::TextImageProvider() : image(0), text{} {}

TextImageProvider::TextImageProvider(const quillon::WideChar* newText, uint16_t newImage) : TextImageProvider()
{
    setContent(newText, newImage);
}

void TextImageProvider::setContent(const quillon::WideChar* newText, uint16_t newImage)
{
    image = newImage;
    text[0] = 0;
    if (newText != nullptr) {
        // One unit stays for the terminator: a full-length copy would run on unterminated.
        quillon::WideString::strncpy(text, newText, TEXT_SIZE - 1);
        text[TEXT_SIZE - 1] = 0;
    }
}
} // namespace guicontrols
