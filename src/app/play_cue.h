#pragma once
// Sound cues: 1 a run finished, 2 "All"/"Nothing", 3 a category clicked, 4 a window or tool
// button, 5 a group-select button.

#include <string>

namespace app {

struct Program;

// The file a cue plays: application folder + "Sound\" + N + ".wav".
std::string CuePath(const std::string& applicationFolder, int cue);

// Plays cue N asynchronously while the options window's "Sound in Skarvel" box is ticked.
void PlayCue(Program& program, int cue);

}  // namespace app
