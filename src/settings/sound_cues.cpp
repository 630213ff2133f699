#include "settings/sound_cues.h"

#include "platform/sound.h"
#include "platform/system.h"

namespace settings {

std::string CuePath(const std::string& applicationFolder, Cue cue) {
    return applicationFolder + "Sound\\" + std::to_string(static_cast<int>(cue)) + ".wav";
}

void SoundCues::Play(Cue cue) const {
    if (!enabled_.On()) return;
    sound_.PlayAsync(CuePath(system_.ApplicationFolder(), cue));
}

}  // namespace settings
