#pragma once
// Drives for tests: a table of roots with their kind and what their volume reports. Every
// question asked is recorded ("type C:\", "info C:\", "space C:\").

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/volumes.h"

namespace fakes {

class FakeVolumes : public platform::Volumes {
  public:
    struct Drive {
        std::uint32_t type = platform::drive::kFixed;
        std::optional<platform::VolumeInformation> information;
        std::optional<platform::DiskSpace> space;
    };
    // By root ("C:\").
    std::map<std::string, Drive> drives;
    std::vector<std::string> asked;

    std::uint32_t LogicalDrives() override {
        std::uint32_t mask = 0;
        for (const auto& [root, drive] : drives) mask |= 1u << (root[0] - 'A');
        return mask;
    }
    std::uint32_t DriveType(const std::string& root) override {
        asked.push_back("type " + root);
        return drives.at(root).type;
    }
    std::optional<platform::VolumeInformation> Information(const std::string& root) override {
        asked.push_back("info " + root);
        return drives.at(root).information;
    }
    std::optional<platform::DiskSpace> Space(const std::string& root) override {
        asked.push_back("space " + root);
        return drives.at(root).space;
    }
};

}  // namespace fakes
