#include "engine/activity_log_file.h"

#include <stdexcept>

#include "engine/cp1251.h"
#include "platform/files.h"

namespace engine {

namespace {

bool AllowedInFileName(char c) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    switch (c) {
        case '\\':
        case '/':
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
            return false;
        default:
            return true;
    }
}

}  // namespace

std::string LogFileName(const std::string& shortDate, const platform::LocalTime& time) {
    std::string name;
    for (char c : shortDate) name += AllowedInFileName(c) ? c : '-';
    name += "_" + std::to_string(time.hour) + "-" + std::to_string(time.minute) + "-" +
            std::to_string(time.second) + ".log";
    return name;
}

std::string LogFileBytes(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (Cp1251Holds(text)) return Utf8ToCp1251(text);
    return "\xEF\xBB\xBF" + text;
}

std::string SaveActivityLog(platform::FileSystem& files, platform::System& system,
                            const std::vector<std::string>& lines) {
    std::string folder = system.DataFolder() + "log";
    (void)files.CreateFolder(folder);  // already there, or the write below reports the failure
    // The date and the time are read separately, as the clock gives them at this moment.
    std::string date = system.ShortDate();
    std::string path = folder + "\\" + LogFileName(date, system.Now());
    std::string reason;
    if (!files.WriteFile(path, LogFileBytes(lines), reason)) {
        throw std::runtime_error("Cannot create file \"" + path + "\". " + reason);
    }
    return path;
}

}  // namespace engine
