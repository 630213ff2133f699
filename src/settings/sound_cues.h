#pragma once
// The sound cues every window plays, each a numbered wave file of the "Sound" folder.

#include <string>

#include "settings/options.h"

namespace platform {
class Sound;
class System;
}  // namespace platform

namespace settings {

enum class Cue {
    RunFinished = 1,   // a cleaning run finished
    AllOrNothing = 2,  // "All" or "Nothing"
    Category = 3,      // a category box or choice clicked
    Window = 4,        // a window or tool button
    GroupSelect = 5,   // a group-select button
};

// The file a cue plays: application folder + "Sound\" + N + ".wav".
std::string CuePath(const std::string& applicationFolder, Cue cue);

class SoundCues {
  public:
    // ENABLED is the "Sound in Skarvel" option.
    SoundCues(platform::Sound& sound, platform::System& system, const Switch& enabled)
        : sound_(sound), system_(system), enabled_(enabled) {}

    // Plays CUE asynchronously while the option is on.
    void Play(Cue cue) const;

  private:
    platform::Sound& sound_;
    platform::System& system_;
    const Switch& enabled_;
};

}  // namespace settings
