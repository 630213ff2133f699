#pragma once
// Running processes for tests: a snapshot list for the older family and a table of ids for the
// NT family, where an id without a path cannot be opened and an empty path cannot be read.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace fakes {

class FakeProcesses : public platform::Processes {
  public:
    // nullopt: the snapshot (or the id enumeration) fails.
    std::optional<std::vector<std::string>> snapshot = std::vector<std::string>{};
    std::optional<std::vector<std::uint32_t>> ids = std::vector<std::uint32_t>{};
    // The main module path of each id that can be opened ("" when it cannot be read).
    std::map<std::uint32_t, std::string> paths;
    int openHandles = 0;  // processes opened and not yet closed

    std::optional<std::vector<std::string>> SnapshotExeNames() override { return snapshot; }
    std::optional<std::vector<std::uint32_t>> ProcessIds() override { return ids; }
    std::unique_ptr<platform::ProcessQuery> Open(std::uint32_t id) override {
        auto it = paths.find(id);
        if (it == paths.end()) return nullptr;
        return std::make_unique<Query>(*this, it->second);
    }

  private:
    class Query final : public platform::ProcessQuery {
      public:
        Query(FakeProcesses& owner, std::string path) : owner_(owner), path_(std::move(path)) {
            ++owner_.openHandles;
        }
        ~Query() override { --owner_.openHandles; }
        std::optional<std::string> MainModulePath() override {
            if (path_.empty()) return std::nullopt;
            return path_;
        }

      private:
        FakeProcesses& owner_;
        std::string path_;
    };
};

}  // namespace fakes
