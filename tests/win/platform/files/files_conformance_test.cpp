#include "conformance/files_conformance.h"

#include <windows.h>

#include "engine/purge.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/text.h"

namespace {

class Win32Env {
  public:
    Win32Env() {
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        root_ = platform::win32::Narrow(temp) + "skarvel-conformance-" +
                std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64());
        files_.CreateFolder(root_);
    }
    ~Win32Env() {
        engine::RemoveTree(files_, root_, "C:\\windows",
                           {.clearAttributes = true, .removeRoot = true});
    }
    platform::FileSystem& Files() { return files_; }
    std::string Root() { return root_; }

  private:
    platform::win32::FileSystemWin32 files_;
    std::string root_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FilesConformance, Win32Env);
