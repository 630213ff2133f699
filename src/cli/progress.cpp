#include "cli/progress.h"

namespace cli {

namespace {

constexpr auto kInterval = std::chrono::milliseconds(200);
constexpr std::size_t kWidth = 78;

bool StartsCodePoint(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// At most WIDTH characters of TEXT (UTF-8), keeping its end, where a path's names are.
std::string Tail(const std::string& text, std::size_t width) {
    std::size_t points = 0;
    for (char c : text) points += StartsCodePoint(c) ? 1 : 0;
    if (points <= width || width < 4) return points <= width ? text : std::string();
    std::size_t keep = width - 3, i = text.size();
    while (i > 0 && keep > 0)
        if (StartsCodePoint(text[--i])) --keep;
    return "..." + text.substr(i);
}

}  // namespace

void Progress::File() {
    ++files_;
    Show();
}

void Progress::Folder(const std::string& folder) {
    folder_ = folder;
    Show();
}

void Progress::Show() {
    if (!enabled_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < kInterval) return;
    last_ = now;
    std::string line = std::to_string(files_) + " files  ";
    line += Tail(folder_, kWidth > line.size() ? kWidth - line.size() : 0);
    std::string out = "\r" + line;
    if (line.size() < shownWidth_) out += std::string(shownWidth_ - line.size(), ' ');
    shownWidth_ = line.size();
    console_.Write(platform::Stream::Error, out);
}

void Progress::Clear() {
    if (!enabled_ || shownWidth_ == 0) return;
    console_.Write(platform::Stream::Error, "\r" + std::string(shownWidth_, ' ') + "\r");
    shownWidth_ = 0;
}

}  // namespace cli
