#ifndef GUI_SCREENS_WIZARD_WIZARDSTEPTITLE_HPP
#define GUI_SCREENS_WIZARD_WIZARDSTEPTITLE_HPP

#include "guicontrols/TopBar.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The top bar of a wizard step: its title at the left and "Step n/5" right-aligned, both in
// the bar's white.
namespace WizardStepTitle
{
const quillon::TextId STEP_TEXT = 1076; // "Step %s/5"
const uint8_t TITLE_COLOR = 0;

// step is the digit as a text ("1".."5"); the buffer holds the step text while it is shown.
void show(guicontrols::TopBar& bar, quillon::TextId title, const char* step, quillon::WideChar* buffer,
          uint16_t capacity);
} // namespace WizardStepTitle

#endif
