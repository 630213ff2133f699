#pragma once
#include "platform/files.h"

namespace platform::win32 {

class FileSystemWin32 final : public FileSystem {
public:
    bool DirectoryExists(const std::string& path) override;
};

}  // namespace platform::win32
