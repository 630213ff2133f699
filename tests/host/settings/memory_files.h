#pragma once
// A small in-memory file store for the profile and settings tests: files by exact path,
// folders as a set; a write into a folder that does not exist is refused.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"

namespace settings_test {

class MemoryFiles : public platform::FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, std::uint32_t> attributes;
    std::set<std::string> folders;

    static std::string Parent(const std::string& path) {
        auto slash = path.find_last_of('\\');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }

    bool DirectoryExists(const std::string& path) override { return folders.count(path) > 0; }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    std::optional<std::uint32_t> Attributes(const std::string& path) override {
        if (folders.count(path)) return platform::attr::kDirectory;
        if (!files.count(path)) return std::nullopt;
        auto it = attributes.find(path);
        return it == attributes.end() ? platform::attr::kArchive : it->second;
    }
    bool SetAttributes(const std::string& path, std::uint32_t value) override {
        if (!files.count(path)) return false;
        attributes[path] = value;
        return true;
    }
    // Understands PATTERN as folder + "\*" + suffix, which is all these tests need.
    bool Enumerate(const std::string& pattern, std::vector<platform::DirEntry>& entries) override {
        std::string folder = Parent(pattern);
        std::string mask = pattern.substr(folder.size() + 1);
        std::string suffix = mask.substr(mask.find('*') + 1);
        if (!folders.count(folder)) return false;
        auto matches = [&](const std::string& name) {
            return name.size() >= suffix.size() &&
                   name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
        };
        for (const auto& f : folders) {
            if (Parent(f) == folder && matches(f.substr(folder.size() + 1))) {
                entries.push_back({f.substr(folder.size() + 1), platform::attr::kDirectory, 0});
            }
        }
        for (const auto& [path, bytes] : files) {
            if (Parent(path) == folder && matches(path.substr(folder.size() + 1))) {
                entries.push_back({path.substr(folder.size() + 1), *Attributes(path), bytes.size()});
            }
        }
        return true;
    }
    bool DeleteFileAt(const std::string& path) override { return files.erase(path) > 0; }
    bool RemoveFolder(const std::string& path) override { return folders.erase(path) > 0; }
    bool CreateFolder(const std::string& path) override { return folders.insert(path).second; }
    std::string CurrentDirectory() override { return "C:\\"; }
    std::optional<std::string> ReadFile(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    bool WriteFile(const std::string& path, const std::string& bytes, std::string& error) override {
        if (!folders.count(Parent(path)) || folders.count(path)) {
            error = "The system cannot find the path specified.";
            return false;
        }
        files[path] = bytes;
        return true;
    }
    bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override {
        if (!files.count(from) || (!overwrite && files.count(to))) return false;
        files[to] = files[from];
        return true;
    }
};

}  // namespace settings_test
