#pragma once
// One bundle of fakes wired into a platform::Services.

#include "fakes/fake_file_system.h"
#include "fakes/fake_sound.h"
#include "fakes/fake_system.h"
#include "platform/services.h"

namespace fakes {

struct FakeServices {
    FakeSystem system;
    FakeSound sound;
    FakeFileSystem files;

    platform::Services Get() {
        platform::Services s;
        s.system = &system;
        s.sound = &sound;
        s.files = &files;
        return s;
    }
};

}  // namespace fakes
