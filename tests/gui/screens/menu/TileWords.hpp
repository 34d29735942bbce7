#ifndef TESTS_GUI_SCREENS_MENU_TILEWORDS_HPP
#define TESTS_GUI_SCREENS_MENU_TILEWORDS_HPP

#include "guicontrols/TileButton.hpp"
#include "helpers/TextWrap.hpp"
#include "support/screen/TextFit.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Callback.hpp>
#include <quillon/WideString.hpp>
#include <quillon/containers/Container.hpp>

#include <string>
#include <vector>

namespace test
{
// Tile captions that the tile's word wrap breaks inside a word or cuts with "...", as the
// tile draws them (two lines under its icon): the text preview tool's red for a tile. The
// caption as UTF-8, then how it is drawn with "|" for each line break.
class TileWords
{
public:
    static std::vector<std::string> brokenCaptions(quillon::Drawable& root)
    {
        TileWords walker;
        walker.visit(root);
        return walker.found;
    }

private:
    void visit(quillon::Drawable& d)
    {
        if (!d.isVisible()) {
            return;
        }
        if (const guicontrols::TileButton* tile = dynamic_cast<const guicontrols::TileButton*>(&d)) {
            check(*tile);
        }
        if (quillon::Container* container = dynamic_cast<quillon::Container*>(&d)) {
            quillon::Callback<TileWords, quillon::Drawable&> each(this, &TileWords::visit);
            container->forEachChild(each);
        }
    }

    // The tile's own wrap: margins 7 past 30 units, else 4; font 0; two lines under an icon.
    void check(const guicontrols::TileButton& tile)
    {
        const quillon::WideChar* text = tile.getText();
        const quillon::Font* font = ApplicationFontProvider().getFont(0);
        if (text == nullptr || text[0] == 0 || font == nullptr) {
            return;
        }
        const int16_t margin = quillon::WideString::strlen(text) > 30 ? 7 : 4;
        quillon::WideChar wrapped[50];
        helpers::wrapText(wrapped, 50, text,
                          helpers::TextWrapSpec(static_cast<uint16_t>(tile.getWidth() - 10 * margin), font, 2));
        if (spaced(wrapped, false) != spaced(text, false)) {
            found.push_back(spaced(text, true) + " -> " + spaced(wrapped, true));
        }
    }

    // The text with line breaks as single spaces (or as "|"), runs of spaces as one, in UTF-8.
    static std::string spaced(const quillon::WideChar* text, bool markBreaks)
    {
        std::vector<quillon::WideChar> units;
        for (; *text != 0; ++text) {
            const quillon::WideChar c = *text != '\n' ? *text : markBreaks ? '|' : ' ';
            if (c == ' ' && !units.empty() && units.back() == ' ') {
                continue;
            }
            units.push_back(c);
        }
        while (!units.empty() && units.back() == ' ') {
            units.pop_back();
        }
        units.push_back(0);
        return utf8(units.data());
    }

    std::vector<std::string> found;
};
} // namespace test

#endif
