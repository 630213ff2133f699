#pragma once
// Integers as the settings file holds them.

#include <string>

namespace engine {

// Decimal with an optional minus sign; "0x"/"0X" (followed by at least one digit) or "$"
// introduce hexadecimal. Anything else, or a number out of the 32-bit range, yields
// FALLBACK.
int ParseProfileInteger(const std::string& text, int fallback);

}  // namespace engine
