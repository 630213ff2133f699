#pragma once
// Saving the activity log to the "log" folder of the data folder.

#include <string>
#include <vector>

#include "platform/system.h"

namespace platform {
class FileSystem;
}

namespace engine {

// DATE + "_" + hour + "-" + minute + "-" + second + ".log", the time without leading zeros.
// Characters of DATE that cannot stand in a file name ("/", ":" and the like) become "-", so
// a short date format such as 12/6/2026 still yields a file.
std::string LogFileName(const std::string& shortDate, const platform::LocalTime& time);

// The log's bytes on disk: every line followed by CR LF, in Windows-1251; a log that code page
// cannot hold (a user name or a date in another script) as UTF-8 after a byte-order mark
// instead, so that no character turns into "?".
std::string LogFileBytes(const std::vector<std::string>& lines);

// Writes LINES to data folder + "log\" + LogFileName(today, now), creating the folder
// when missing and replacing a file of the same name. Returns the file's path. Throws
// std::runtime_error("Cannot create file \"<path>\". <reason>") when it cannot be written.
std::string SaveActivityLog(platform::FileSystem& files, platform::System& system,
                            const std::vector<std::string>& lines);

}  // namespace engine
