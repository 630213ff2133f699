#pragma once
// The registry file a cleaning run saves what it deletes from the registry to, before it
// deletes it: one file a run, in the "backup" folder beside the settings, named by the run's
// date and time ("2026-12-06_09-05-07.reg"), made when the run first needs it. It is opened
// as the log is, never through a link, and read back after every write: what could not be
// saved is not deleted.

#include <string>
#include <vector>

#include "engine/reg_file.h"

namespace platform {
class FileSystem;
class System;
}  // namespace platform

namespace engine {

class RegistryBackup {
  public:
    RegistryBackup(platform::FileSystem& files, platform::System& system)
        : files_(files), system_(system) {}

    // Adds RECORDS to the run's file. False, with the reason in ERROR (a sentence naming the
    // file), when they are not all there, as written, afterwards.
    bool Save(const std::vector<KeyRecord>& records, std::string& error);
    // The file; "" before the first Save.
    const std::string& Path() const { return path_; }

  private:
    platform::FileSystem& files_;
    platform::System& system_;
    std::string path_;
    std::string written_;  // every byte of it so far
};

// The name of a backup made at TIME, with a number after it when COPY > 1.
std::string BackupFileName(int year, int month, int day, int hour, int minute, int second,
                           int copy);

}  // namespace engine
