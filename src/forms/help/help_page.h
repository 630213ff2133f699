#pragma once
// The help page: one fixed HTML text built into the program and written into the help
// window's browser from memory, never read from a file, so it cannot be altered.

#include <string_view>

namespace tools {

// The page (UTF-8): the heading, the introduction and instructions, the credits, the version
// history newest first, the test machines and the footer.
std::string_view HelpPage();

}  // namespace tools
