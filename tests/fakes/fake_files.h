#pragma once
#include <set>
#include <string>

#include "platform/files.h"

namespace fakes {

// A minimal file system that only knows which folders exist.
class FakeFolders : public platform::FileSystem {
public:
    std::set<std::string> folders;
    bool DirectoryExists(const std::string& path) override { return folders.count(path) != 0; }
};

}  // namespace fakes
