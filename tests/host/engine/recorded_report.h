#pragma once
// A purge report that keeps what it is told, for tests to compare.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/purge_report.h"

namespace enginetest {

struct Recorded : engine::PurgeReport {
    std::vector<std::string> deleted, removed, failed, refused, reasons, stopped;
    std::uint64_t bytes = 0;
    void Deleted(const std::string& path, std::uint64_t size) override {
        deleted.push_back(path);
        bytes += size;
    }
    void Removed(const std::string& path) override { removed.push_back(path); }
    void Failed(const std::string& path, const std::string& reason) override {
        failed.push_back(path + ": " + reason);
    }
    void Refused(const std::string& folder, const std::string& reason) override {
        refused.push_back(folder);
        reasons.push_back(reason);
    }
    void Stopped(const std::string& folder, const std::string& reason) override {
        stopped.push_back(folder + ": " + reason);
    }
    void Entered(const std::string&) override {}
};

}  // namespace enginetest
