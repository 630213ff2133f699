#pragma once
// Files and folders.

#include <string>

namespace platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // True when PATH names an existing folder.
    virtual bool DirectoryExists(const std::string& path) = 0;
};

}  // namespace platform
