#ifndef TESTS_SUPPORT_SCREEN_TITLEFIT_HPP
#define TESTS_SUPPORT_SCREEN_TITLEFIT_HPP

#include "guicontrols/TopBar.hpp"
#include "support/screen/TextFit.hpp"

#include <string>

namespace test
{
// The bar cuts a title too long for its field with "...", and lays title segments side by side
// without a limit. "" when the title is whole and its segments end inside the title field; else
// what is shown.
inline std::string cutTitle(const guicontrols::TopBar& bar)
{
    const guicontrols::TextField& title = bar.getTitleField();
    const std::string shown = utf8(title.getText());
    if (bar.contains(title) && shown.size() >= 3 && shown.compare(shown.size() - 3, 3, "...") == 0) {
        return shown;
    }
    const int32_t end = title.getX() + title.getWidth();
    for (uint8_t i = 0; i < 3; ++i) {
        const guicontrols::TextField& segment = bar.getSegmentField(i);
        if (bar.contains(segment) && segment.getX() + segment.getWidth() > end) {
            return utf8(segment.getText()) + " ends at " + std::to_string(segment.getX() + segment.getWidth()) +
                   " past " + std::to_string(end);
        }
    }
    return "";
}
} // namespace test

#endif
