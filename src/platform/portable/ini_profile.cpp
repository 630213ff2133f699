#include "platform/portable/ini_profile.h"

#include <algorithm>
#include <stdexcept>

#include "platform/portable/ini_document.h"

namespace platform::portable {

std::u16string ProfileResult(std::u16string_view value) {
    bool quoted = false;
    if (!value.empty() && (value.front() == u'"' || value.front() == u'\'') && value.size() > 1 &&
        value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::size_t length = value.size();
    std::u16string out(value.substr(0, std::min(length, kProfileValueLimit)));
    // The closing quote goes only when it fitted into the buffer with its terminator.
    if (quoted && length <= kProfileValueLimit + 1) out.pop_back();
    return out;
}

IniProfile::IniProfile(FileSystem& files, AnsiCodePage codePage)
    : files_(files), codePage_(codePage) {}

std::string IniProfile::ReadString(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) {
    // Trailing spaces of the default are dropped, as the platform does.
    std::string fallback = defaultValue;
    while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();

    std::optional<std::u16string> value;
    if (auto bytes = files_.ReadFile(path)) {
        value = IniDocument::Parse(*bytes, codePage_).Find(Utf8ToUtf16(section), Utf8ToUtf16(key));
    }
    if (value) return Utf16ToUtf8(ProfileResult(*value));
    std::u16string text = Utf8ToUtf16(fallback);
    if (text.size() > kProfileValueLimit) text.resize(kProfileValueLimit);
    return Utf16ToUtf8(text);
}

void IniProfile::WriteValue(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& value) {
    auto bytes = files_.ReadFile(path);
    // A file that exists but cannot be read is never replaced by a fresh one.
    if (!bytes && files_.FileExists(path)) throw std::runtime_error("Unable to write to " + path);
    IniDocument doc = bytes ? IniDocument::Parse(*bytes, codePage_) : IniDocument(codePage_);
    if (!doc.Set(Utf8ToUtf16(section), Utf8ToUtf16(key), Utf8ToUtf16(value))) return;
    std::string error;
    if (!files_.WriteFile(path, doc.Serialize(), error)) {
        throw std::runtime_error("Unable to write to " + path);
    }
}

bool IniProfile::SectionExists(const std::string& path, const std::string& section) {
    auto bytes = files_.ReadFile(path);
    if (!bytes) return false;
    return IniDocument::Parse(*bytes, codePage_).SectionHasKeys(Utf8ToUtf16(section));
}

}  // namespace platform::portable
