#include <quillon/WildcardReader.hpp>
#include <quillon/widgets/TextAreaWithWildcardBase.hpp>

#include <stdarg.h>

namespace quillon
{
int16_t TextAreaWithWildcardBase::calculateTextHeight(const WideChar* text, ...) const
{
    if (!typedText.hasValidId()) {
        return 0;
    }
    va_list arguments;
    va_start(arguments, text);
    WildcardReader reader;
    reader.initialize(text, arguments);
    va_end(arguments);
    return heightOfText(reader);
}
} // namespace quillon
