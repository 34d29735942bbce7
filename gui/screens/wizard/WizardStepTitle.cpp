#include "gui/screens/wizard/WizardStepTitle.hpp"

#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/TypedText.hpp>

namespace WizardStepTitle
{
void show(guicontrols::TopBar& bar, quillon::TextId title, const char* step, quillon::WideChar* buffer,
          uint16_t capacity)
{
    helpers::formatWide(buffer, capacity, quillon::TypedText(STEP_TEXT).getText(), step);
    const quillon::Color white = guicontrols::Palette::entry(TITLE_COLOR);
    bar.setTitleSegments(quillon::TypedText(title).getText(), white, nullptr, 0, nullptr, 0, buffer, white);
}
} // namespace WizardStepTitle
