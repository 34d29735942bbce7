#ifndef QUILLON_WIDGETS_TEXTAREAWITHWILDCARDBASE_HPP
#define QUILLON_WIDGETS_TEXTAREAWITHWILDCARDBASE_HPP

#include <quillon/widgets/TextArea.hpp>

namespace quillon
{
// A text area whose text is measured as displayed, with its wildcard arguments substituted.
class TextAreaWithWildcardBase : public TextArea
{
public:
    // The height rule of TextArea over the text as expanded with the arguments that follow it.
    int16_t calculateTextHeight(const WideChar* text, ...) const;
};
} // namespace quillon

#endif
