#ifndef GUICONTROLS_SHORTQUERYTEXT_HPP
#define GUICONTROLS_SHORTQUERYTEXT_HPP

#include "guicontrols/TextField.hpp"

#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>

namespace guicontrols
{
// A numbered row of six name and value pairs in three columns (no screen builds one yet).
class ShortQueryText : public quillon::Container
{
public:
    static constexpr uint8_t PAIR_COUNT = 6;
    // Rows from this number on are the last and show no separator below.
    static constexpr uint8_t LAST_SEPARATED_ROW = 13;

    ShortQueryText();

    // Shows "n + 1:"; rows below 13 show their separator.
    void setNumber(uint8_t number);
    // Borrowed, not copied; an index from PAIR_COUNT on is ignored.
    void setName(uint8_t index, const quillon::WideChar* text);
    // Also redraws the row.
    void setValue(uint8_t index, const quillon::WideChar* text);

private:
    static constexpr uint8_t LABEL_SIZE = 8;

    TextField numberLabel;
    TextField names[PAIR_COUNT];
    TextField values[PAIR_COUNT];
    quillon::Box separator;
    const quillon::Font* font;
    quillon::WideChar numberText[LABEL_SIZE];
};
} // namespace guicontrols

#endif
