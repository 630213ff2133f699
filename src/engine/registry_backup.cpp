#include "engine/registry_backup.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/system.h"

namespace engine {

std::string BackupFileName(int year, int month, int day, int hour, int minute, int second,
                           int copy) {
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d", year, month, day, hour,
                  minute, second);
    return std::string(name) + (copy > 1 ? "_" + std::to_string(copy) : std::string()) + ".reg";
}

bool RegistryBackup::Save(const std::vector<KeyRecord>& records, std::string& error) {
    std::string bytes = RegFileBytes(RegFileText(records), false);
    if (path_.empty()) {
        const std::string folder = system_.DataFolder() + "backup";
        (void)files_.CreateFolder(folder);  // there already, or the write below says why not
        const platform::LocalTime now = system_.Now();
        // A run in the same second as an earlier one gets a file of its own.
        for (int copy = 1;
             path_.empty() || files_.FileExists(path_) || files_.DirectoryExists(path_); ++copy)
            path_ = folder + "\\" +
                    BackupFileName(now.year, now.month, now.day, now.hour, now.minute, now.second,
                                   copy);
        bytes = RegFileBytes(RegFileHeader(), true) + bytes;
    }
    std::string reason;
    if (!files_.AppendFile(path_, bytes, reason)) {
        error = "the registry backup " + path_ + " could not be written: " + reason;
        return false;
    }
    written_ += bytes;
    // What was accepted is not yet what is there: read it back.
    if (files_.ReadFile(path_) != written_) {
        error = "the registry backup " + path_ + " does not hold what was written to it";
        return false;
    }
    return true;
}

}  // namespace engine
