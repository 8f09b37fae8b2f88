#pragma once
// Puts the captions of a window's language on its controls: the English texts replace the
// designed German ones; in German only the texts that nothing designed (filled lists) are set.
// Entries for controls the window does not have are left out.

#include "platform/ui/form.h"
#include "text/language.h"

namespace editor {

void applyCaptions(ui::Form& form, int formSelector, text::Language language);

}  // namespace editor
