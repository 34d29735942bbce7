#include "helpers/TextWrap.hpp"

namespace helpers
{
namespace
{
const quillon::WideChar SPACE = ' ';
const quillon::WideChar LINE_BREAK = '\n';
const int32_t NO_SPACE = -1;

int16_t characterWidth(const quillon::Font& font, quillon::WideChar previous, quillon::WideChar character)
{
    return static_cast<int16_t>(font.getCharWidth(character) + font.getKerning(previous, font.getGlyph(character)));
}

// Width of output[first..last] as one line. Measured unit by unit rather than through the
// font's string width, which would read a '%' in the text as a wildcard.
int16_t lineWidth(const quillon::Font& font, const quillon::WideChar* output, int32_t first, int32_t last)
{
    int16_t width = 0;
    quillon::WideChar previous = 0;
    for (int32_t position = first; position <= last; ++position) {
        width = static_cast<int16_t>(width + characterWidth(font, previous, output[position]));
        previous = output[position];
    }
    return width;
}

void writeEllipsis(quillon::WideChar* output, int32_t last)
{
    for (int32_t position = last - 2; position <= last; ++position) {
        if (position >= 0) {
            output[position] = '.';
        }
    }
}
} // namespace

void wrapText(quillon::WideChar* output, uint16_t capacity, const quillon::WideChar* source, const TextWrapSpec& spec)
{
    if (output == nullptr || capacity == 0) {
        return;
    }
    for (uint16_t i = 0; i < capacity; ++i) {
        output[i] = 0;
    }
    if (source == nullptr || spec.font == nullptr) {
        return;
    }
    const quillon::Font& font = *spec.font;
    const int32_t size = capacity;
    const int16_t maxWidth = static_cast<int16_t>(spec.maxWidth);
    int16_t width = 0;
    int32_t lastSpace = NO_SPACE;
    uint32_t lines = 1;
    int32_t position = 0;
    int32_t end = -1; // set when an ellipsis ends the text

    while (position < size - 1 && *source != 0) {
        const quillon::WideChar character = *source;
        output[position] = character;
        const quillon::WideChar previous =
            (position == 0 || character == LINE_BREAK) ? 0 : output[position - 1];
        width = static_cast<int16_t>(width + characterWidth(font, previous, character));
        if (character == SPACE) {
            lastSpace = position;
        }
        if (character == LINE_BREAK) {
            lastSpace = NO_SPACE;
            width = 0;
        }
        ++source;
        const bool moreText = *source != 0;

        if (width > maxWidth) {
            if (lines < spec.maxLines) {
                if (lastSpace == NO_SPACE) {
                    output[position + 1] = LINE_BREAK; // a word longer than the line
                    width = 0;
                    position += 2;
                } else {
                    output[lastSpace] = LINE_BREAK;
                    width = lineWidth(font, output, lastSpace + 1, position);
                    lastSpace = NO_SPACE;
                    position += 1;
                }
                ++lines;
            } else if (position < size - 2 && moreText) {
                writeEllipsis(output, position + 1);
                end = position + 2;
                break;
            } else {
                position += 1; // the long last line stays
            }
        } else if (position == size - 3 && moreText) {
            writeEllipsis(output, position);
            end = position + 2;
            break;
        } else {
            position += 1;
        }
    }
    if (end < 0) {
        end = position < size ? position : size - 1;
    }
    if (end > 0 && output[end - 1] == LINE_BREAK) {
        output[end - 1] = 0;
    } else {
        output[end] = 0;
    }
}
} // namespace helpers
