#pragma once
// The operating-system services handed to the program at start. The Windows entry point
// fills this with the real implementations; tests fill it with fakes.

namespace platform {

class System;
class Sound;
class FileSystem;

struct Services {
    System* system = nullptr;
    Sound* sound = nullptr;
    FileSystem* files = nullptr;
};

}  // namespace platform
