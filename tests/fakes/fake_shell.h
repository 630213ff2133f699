#pragma once
// A shell for tests: special folders from a table, started programs and recycle-bin calls
// recorded.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace fakes {

class FakeShell : public platform::Shell {
  public:
    struct Started {
        platform::WindowHandle owner = nullptr;
        std::string file;
        std::string parameters;
        int showMode = 0;
    };

    std::map<int, std::string> specialFolders;
    std::vector<Started> started;
    bool startSucceeds = true;  // what StartProgram reports
    platform::RecycleBinStatus recycleBinStatus = platform::RecycleBinStatus::Called;
    std::vector<platform::WindowHandle> recycleBinCalls;  // the owner of each call
    std::function<void()> onEmptyRecycleBins;             // what emptying does, if anything
    // Copies made through the shell ("FROM -> TO"); what copying does, if anything.
    std::vector<std::string> copies;
    std::function<bool(const std::string& from, const std::string& to)> onCopy;
    std::optional<platform::RecycleBinContents> recycleBin = platform::RecycleBinContents{};

    std::string SpecialFolderPath(int number) override {
        auto it = specialFolders.find(number);
        return it == specialFolders.end() ? std::string() : it->second;
    }
    bool StartProgram(platform::WindowHandle owner, const std::string& file,
                      const std::string& parameters, int showMode) override {
        started.push_back({owner, file, parameters, showMode});
        return startSucceeds;
    }
    bool CopyToFolder(platform::WindowHandle, const std::string& from,
                      const std::string& to) override {
        copies.push_back(from + " -> " + to);
        return onCopy ? onCopy(from, to) : true;
    }
    platform::RecycleBinStatus EmptyRecycleBins(platform::WindowHandle owner) override {
        recycleBinCalls.push_back(owner);
        if (recycleBinStatus == platform::RecycleBinStatus::Called && onEmptyRecycleBins) {
            onEmptyRecycleBins();
        }
        return recycleBinStatus;
    }
    std::optional<platform::RecycleBinContents> QueryRecycleBins() override { return recycleBin; }
};

}  // namespace fakes
