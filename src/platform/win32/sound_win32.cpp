#include "platform/win32/sound_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/system_function.h"
#include "platform/win32/text.h"

namespace platform::win32 {

void SoundWin32::PlayAsync(const std::string& name) {
    // SND_ASYNC alone: the name is tried as an alias, then as a file, then the default sound.
    static auto* const play = SystemFunction<decltype(PlaySoundW)>(L"winmm.dll", "PlaySoundW");
    if (play) (void)play(Widen(name).c_str(), nullptr, SND_ASYNC);
}

}  // namespace platform::win32
