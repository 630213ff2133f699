#include "app/play_cue.h"

#include "app/program.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "settings/options_form.h"

namespace app {

std::string CuePath(const std::string& applicationFolder, int cue) {
    return applicationFolder + "Sound\\" + std::to_string(cue) + ".wav";
}

void PlayCue(Program& program, int cue) {
    if (!program.Form2 || !program.Form2->SoundEnabled()) return;
    program.services.sound->PlayAsync(CuePath(program.services.system->ApplicationFolder(), cue));
}

}  // namespace app
