#include "engine/keep_file.h"

#include <algorithm>

#include "engine/keep_list.h"
#include "platform/files.h"

namespace engine {

namespace {

constexpr std::string_view kMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

// A line the run takes as a pattern.
bool IsPattern(std::string_view line) {
    line = Trimmed(line);
    return !line.empty() && line.front() != '#';
}

}  // namespace

bool KeepFile::Read(platform::FileSystem& files, const std::string& path, std::string& error) {
    lines_.clear();
    mark_ = true;
    const std::optional<std::string> text = files.ReadFile(path);
    if (!text) {
        if (!files.FileExists(path)) return true;
        error = path + " cannot be read: " + files.LastErrorText();
        return false;
    }
    std::string_view rest = *text;
    mark_ = rest.starts_with(kMark) || rest.empty();
    if (rest.starts_with(kMark)) rest.remove_prefix(kMark.size());
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines_.emplace_back(line);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return true;
}

std::vector<std::string> KeepFile::Patterns() const {
    std::vector<std::string> patterns;
    for (const std::string& line : lines_)
        if (IsPattern(line)) patterns.emplace_back(Trimmed(line));
    return patterns;
}

std::string KeepFile::Check(platform::FileSystem& files, platform::System& system,
                            std::string_view text) const {
    const std::string_view pattern = Trimmed(text);
    if (pattern.empty()) return "there is no pattern to add";
    if (pattern.find_first_of("\r\n") != std::string_view::npos)
        return "a pattern is one line; add the lines one by one";
    if (pattern.front() == '#') return "a line starting with # is a comment, not a pattern";
    const std::vector<std::string> patterns = Patterns();
    if (std::find(patterns.begin(), patterns.end(), pattern) != patterns.end())
        return std::string(pattern) + " is in the list already";
    KeepList probe;
    if (std::string why = probe.AddLine(files, system, pattern); !why.empty())
        return std::string(pattern) + ": " + why;
    return {};
}

void KeepFile::Add(std::string_view text) {
    lines_.emplace_back(Trimmed(text));
}

void KeepFile::Remove(std::size_t index) {
    for (auto line = lines_.begin(); line != lines_.end(); ++line) {
        if (!IsPattern(*line)) continue;
        if (index-- == 0) {
            lines_.erase(line);
            return;
        }
    }
}

bool KeepFile::Write(platform::FileSystem& files, const std::string& path,
                     std::string& error) const {
    std::string bytes = mark_ ? std::string(kMark) : std::string();
    for (const std::string& line : lines_) bytes += line + "\r\n";
    const std::size_t cut = path.find_last_of('\\');
    if (cut != std::string::npos) (void)files.CreateFolder(path.substr(0, cut));
    const std::string beside = path + ".new";
    if (!files.WriteFile(beside, bytes, error)) return false;
    if (files.MoveReplacing(beside, path)) return true;
    error = files.LastErrorText();
    return false;
}

}  // namespace engine
