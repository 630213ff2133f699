#pragma once
// The text of a settings file as a test compares it: UTF-8, from the UTF-16 the program writes
// (after its byte-order mark) or from the bytes of an ANSI file as they are.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace wintest {

inline std::string SettingsText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!bytes.starts_with("\xFF\xFE")) return bytes;
    const auto* wide = reinterpret_cast<const wchar_t*>(bytes.data() + 2);
    const int units = static_cast<int>((bytes.size() - 2) / 2);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, units, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide, units, text.data(), size, nullptr, nullptr);
    return text;
}

}  // namespace wintest
