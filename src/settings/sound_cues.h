#pragma once
// The sound cues every window plays: 1 a run finished, 2 "All"/"Nothing", 3 a category clicked,
// 4 a window or tool button, 5 a group-select button.

#include <string>

#include "settings/options.h"

namespace platform {
class Sound;
class System;
}  // namespace platform

namespace settings {

// The file a cue plays: application folder + "Sound\" + N + ".wav".
std::string CuePath(const std::string& applicationFolder, int cue);

class SoundCues {
  public:
    // ENABLED is the "Sound in Skarvel" option.
    SoundCues(platform::Sound& sound, platform::System& system, const Switch& enabled)
        : sound_(sound), system_(system), enabled_(enabled) {}

    // Plays cue N asynchronously while the option is on.
    void Play(int cue) const;

  private:
    platform::Sound& sound_;
    platform::System& system_;
    const Switch& enabled_;
};

}  // namespace settings
