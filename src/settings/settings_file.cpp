#include "settings/settings_file.h"

#include <cstdint>

#include "platform/profile.h"
#include "platform/system.h"
#include "settings/settings_encoding.h"

namespace settings {

std::string SettingsFilePath(platform::System& system) {
    return system.DataFolder() + std::string(kSettingsFileName);
}

std::optional<int> ParseInteger(std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    if (base == 10) {
        if (value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return std::nullopt;
        return static_cast<int>(negative ? -static_cast<std::int64_t>(value)
                                         : static_cast<std::int64_t>(value));
    }
    // Hexadecimal is a 32-bit pattern ("$FFFFFFFF" is -1).
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

SettingsFile::SettingsFile(platform::System& system, platform::FileSystem& files,
                           platform::Profile& profile)
    : system_(system), files_(files), profile_(profile) {}

std::string SettingsFile::Path() const {
    return SettingsFilePath(system_);
}

std::string SettingsFile::ReadString(Setting id) const {
    const SettingKey& entry = KeyOf(id);
    return ReadKey(entry.section, entry.key, std::string(entry.defaultValue));
}

std::optional<bool> SettingsFile::ReadFlag(Setting id) const {
    std::string value = ReadString(id);
    if (value == "true") return true;
    if (value == "false") return false;
    return std::nullopt;
}

int SettingsFile::ReadInteger(Setting id) const {
    int fallback = *ParseInteger(KeyOf(id).defaultValue);
    return ParseInteger(ReadString(id)).value_or(fallback);
}

bool SettingsFile::SectionExists(Setting id) const {
    return profile_.SectionExists(Path(), std::string(KeyOf(id).section));
}

void SettingsFile::WriteString(Setting id, const std::string& value) {
    const SettingKey& entry = KeyOf(id);
    WriteKey(entry.section, entry.key, value);
}

std::string SettingsFile::ReadKey(std::string_view section, std::string_view key,
                                  const std::string& fallback) const {
    return profile_.ReadString(Path(), std::string(section), std::string(key), fallback);
}

void SettingsFile::WriteKey(std::string_view section, std::string_view key,
                            const std::string& value) {
    const std::string path = Path();
    // A write the profile refuses anyway changes nothing, not even the encoding.
    if (platform::Profile::IsSafeProfileWrite(section, key, value))
        PrepareSettingsWrite(files_, system_, path,
                             std::string(section) + std::string(key) + value);
    profile_.WriteString(path, std::string(section), std::string(key), value);
}

void SettingsFile::WriteFlag(Setting id, bool value) {
    WriteString(id, value ? "true" : "false");
}

void SettingsFile::WriteInteger(Setting id, int value) {
    WriteString(id, std::to_string(value));
}

}  // namespace settings
