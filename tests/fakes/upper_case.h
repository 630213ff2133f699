#pragma once
// Names as the system compares them, for the fakes: every letter of the Basic Multilingual
// Plane in its upper case (simple, one-to-one mappings), every script alike.

#include <string>
#include <string_view>

namespace fakes {

// TEXT (UTF-8) with every letter in upper case; bytes that are not UTF-8 stay as they are.
std::string UpperCaseKey(std::string_view text);

}  // namespace fakes
