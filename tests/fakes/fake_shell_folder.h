#pragma once
// Shell folder listings for tests: folders and the recycle bin are tables the test fills;
// Touch() marks the watches of a listing as changed. Listing calls are counted.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/shell_folder.h"

namespace fakes {

class FakeShellFolder : public platform::ShellFolder {
  public:
    static constexpr const char* kBinKey = "\x01recycle-bin";

    std::map<std::string, std::vector<platform::ShellItem>> folders;
    std::vector<platform::ShellItem> recycleBin;
    bool recycleBinOpens = true;
    int listCalls = 0;

    // Marks every watch of folder PATH (or of the bin with kBinKey) as changed.
    void Touch(const std::string& path) {
        for (auto& [key, flag] : *watches_)
            if (key == path) *flag = true;
    }
    int LiveWatches() const {
        int n = 0;
        for (auto& [key, flag] : *watches_) n += flag.use_count() > 1 ? 1 : 0;
        return n;
    }

    std::optional<std::vector<platform::ShellItem>> ListFolder(const std::string& path) override {
        ++listCalls;
        auto it = folders.find(path);
        if (it == folders.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::vector<platform::ShellItem>> ListRecycleBin() override {
        ++listCalls;
        if (!recycleBinOpens) return std::nullopt;
        return recycleBin;
    }
    bool FolderExists(const std::string& path) override { return folders.count(path) != 0; }
    std::unique_ptr<platform::FolderWatch> WatchFolder(const std::string& path) override {
        if (!folders.count(path)) return nullptr;
        return MakeWatch(path);
    }
    std::unique_ptr<platform::FolderWatch> WatchRecycleBin() override { return MakeWatch(kBinKey); }

  private:
    class Watch final : public platform::FolderWatch {
      public:
        explicit Watch(std::shared_ptr<bool> flag) : flag_(std::move(flag)) {}
        bool Changed() override { return std::exchange(*flag_, false); }

      private:
        std::shared_ptr<bool> flag_;
    };
    std::unique_ptr<platform::FolderWatch> MakeWatch(const std::string& key) {
        auto flag = std::make_shared<bool>(false);
        watches_->emplace_back(key, flag);
        return std::make_unique<Watch>(flag);
    }
    std::shared_ptr<std::vector<std::pair<std::string, std::shared_ptr<bool>>>> watches_ =
        std::make_shared<std::vector<std::pair<std::string, std::shared_ptr<bool>>>>();
};

}  // namespace fakes
