#include "gui/common/TitleFunctor.hpp"

#include "guicontrols/TopBar.hpp"

namespace
{
const quillon::WideChar EMPTY[] = {0};

// "%%" stays as it is; every other "%" is doubled, so the format has no conversions.
void escapeLonePercents(quillon::WideChar* destination, uint16_t capacity, const quillon::WideChar* text)
{
    uint16_t out = 0;
    for (uint16_t in = 0; text[in] != 0 && out + 2 < capacity; ++in) {
        destination[out++] = text[in];
        if (text[in] != '%') {
            continue;
        }
        if (text[in + 1] == '%') {
            destination[out++] = text[++in];
        } else {
            destination[out++] = '%';
        }
    }
    destination[out] = 0;
}
} // namespace

void TitleFunctor::operator()(guicontrols::TopBar& bar, const quillon::WideChar* title)
{
    showAsTitle(bar, title);
}

void TitleFunctor::showAsTitle(guicontrols::TopBar& bar, const quillon::WideChar* text)
{
    static quillon::WideChar format[FORMAT_UNITS];
    escapeLonePercents(format, FORMAT_UNITS, text != nullptr ? text : EMPTY);
    bar.setTitle(format);
}
