#include "SourceWriter.hpp"

namespace bitmapgen {

void writeByteLiteral(std::ostream& out, const uint8_t* bytes, size_t count)
{
    const size_t bytesPerLine = 96;
    out << "    \"";
    for (size_t i = 0; i < count; ++i) {
        if (i != 0 && i % bytesPerLine == 0) {
            out << "\"\n    \"";
        }
        const uint8_t b = bytes[i];
        if (b >= 32 && b <= 126 && b != '"' && b != '\\' && b != '?') {
            out << static_cast<char>(b);
        } else {
            out << '\\' << static_cast<char>('0' + (b >> 6)) << static_cast<char>('0' + ((b >> 3) & 7))
                << static_cast<char>('0' + (b & 7));
        }
    }
    out << "\"";
}

std::vector<uint8_t> pixelBytes(const Rgb565Image& image)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(image.pixels.size() * 2);
    for (uint16_t pixel : image.pixels) {
        bytes.push_back(static_cast<uint8_t>(pixel & 0xFF));
        bytes.push_back(static_cast<uint8_t>(pixel >> 8));
    }
    return bytes;
}

} // namespace bitmapgen
