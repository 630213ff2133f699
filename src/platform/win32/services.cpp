#include "platform/win32/services.h"

#include "platform/win32/files_win32.h"
#include "platform/win32/sound_win32.h"
#include "platform/win32/system_win32.h"

namespace platform::win32 {

struct RealServices::Impl {
    SystemWin32 system;
    SoundWin32 sound;
    FileSystemWin32 files;
};

RealServices::RealServices() : impl_(std::make_unique<Impl>()) {
    services_.system = &impl_->system;
    services_.sound = &impl_->sound;
    services_.files = &impl_->files;
}

RealServices::~RealServices() = default;

}  // namespace platform::win32
