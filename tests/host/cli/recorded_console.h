#pragma once
// A console that keeps what the command line writes, stream by stream.

#include <string>

#include "platform/console.h"

namespace clitest {

class RecordedConsole : public platform::Console {
  public:
    std::string out, err;
    void Write(platform::Stream stream, std::string_view text) override {
        (stream == platform::Stream::Out ? out : err) += text;
    }
    bool IsConsole(platform::Stream) override { return false; }
};

}  // namespace clitest
