#ifndef TESTS_SUPPORT_SCREEN_TEXTFIT_HPP
#define TESTS_SUPPORT_SCREEN_TEXTFIT_HPP

#include <quillon/Drawable.hpp>

#include <string>
#include <vector>

namespace test
{
// Every visible text of the tree wider than its own field, one line each: the text (UTF-8),
// its width and the field's, and where the field lies on the screen; and every list line whose
// label runs into its value. A screen's language preview fails when this is not empty, as the
// text preview tool marks a translation red.
std::vector<std::string> overwideTexts(quillon::Drawable& root);
// Every visible text of the tree whose lines, each a full line of its font with the
// descenders, are taller than its field: the field cuts them at the bottom (or, centred, at
// both ends). A text turned a quarter is left out.
std::vector<std::string> clippedTexts(quillon::Drawable& root);
// A UTF-16 text as UTF-8, for failure messages.
std::string utf8(const quillon::WideChar* text);
} // namespace test

#endif
