#pragma once
// The names of keys in hints ("Ctrl+1", "Strg+1"): the section "Keys" of the language files,
// the English names by default. Applied through any window, they hold for every window of the
// interface.

#include "settings/text_table.h"

namespace settings {

extern const TextTable kKeyNameTexts;

}  // namespace settings
