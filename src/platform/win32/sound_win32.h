#pragma once
#include "platform/sound.h"

namespace platform::win32 {

class SoundWin32 final : public Sound {
  public:
    void PlayAsync(const std::string& name) override;
};

}  // namespace platform::win32
