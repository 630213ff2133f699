#pragma once
// The process's standard output and error streams, and its command line.

#include <string>
#include <vector>

#include "platform/console.h"

namespace platform::win32 {

class ConsoleWin32 final : public Console {
  public:
    void Write(Stream stream, std::string_view utf8) override;
    bool IsConsole(Stream stream) override;
};

// The program's arguments (the program name left out), as UTF-8.
std::vector<std::string> CommandLineArguments();

}  // namespace platform::win32
