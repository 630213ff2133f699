#pragma once
#include <string>

namespace platform {

class Sound {
  public:
    virtual ~Sound() = default;
    // Starts playing NAME and returns at once; a sound still playing is cut off. The name is
    // looked up as a sound alias, then as a file; the system default sound plays when neither
    // exists. Failures are ignored.
    virtual void PlayAsync(const std::string& name) = 0;
};

}  // namespace platform
