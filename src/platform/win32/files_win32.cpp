#include "platform/win32/files_win32.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace platform::win32 {

bool FileSystemWin32::DirectoryExists(const std::string& path) {
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace platform::win32
