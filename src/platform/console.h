#pragma once
// A console program's two output streams. Text is UTF-8; a console shows it as Unicode
// whatever its code page, a redirected stream receives the UTF-8 bytes.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class Stream { Out, Error };

class Console {
  public:
    virtual ~Console() = default;
    virtual void Write(Stream stream, std::string_view utf8) = 0;
    // True when STREAM is a console window rather than a file or pipe.
    virtual bool IsConsole(Stream stream) = 0;
};

}  // namespace platform
