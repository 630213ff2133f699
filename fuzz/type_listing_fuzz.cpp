// Any bytes as the registry's file types (anyone may write under HKEY_CURRENT_USER\Software\
// Classes): the type manager's listing must neither crash nor break its form, whatever the key
// names and values hold (NULs, odd types, backslashes, long texts).
//
// The input is read as records separated by '\n': the key path (below HKEY_CLASSES_ROOT) up
// to the first '|', one byte for the value type, then the default value's bytes.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_registry.h"
#include "forms/type_manager/type_listing.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

constexpr platform::RegistryType kTypes[] = {
    platform::RegistryType::String, platform::RegistryType::ExpandString,
    platform::RegistryType::MultiString, platform::RegistryType::Binary,
    platform::RegistryType::Dword};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    fakes::FakeRegistry registry;
    (void)registry.OpenKey(platform::RegistryRoot::ClassesRoot, "",
                           platform::KeyMode::CreateIfMissing);
    while (!input.empty()) {
        std::string_view record = input.substr(0, input.find('\n'));
        input.remove_prefix(std::min(input.size(), record.size() + 1));
        const std::size_t bar = record.find('|');
        if (bar == std::string_view::npos || bar + 1 >= record.size()) continue;
        const std::string path(record.substr(0, bar));
        const auto type = kTypes[static_cast<unsigned char>(record[bar + 1]) % std::size(kTypes)];
        const std::string_view value = record.substr(bar + 2);
        registry.SetValue(platform::RegistryRoot::ClassesRoot, path, "", type,
                          {value.begin(), value.end()});
    }

    const tools::TypeListing listing = tools::ListFileTypes(registry);
    // Whole entries of six lines, each in its form; nothing of a value after a NUL.
    Check(listing.lines.size() % 6 == 0);
    for (std::size_t at = 0; at < listing.lines.size(); at += 6) {
        const std::vector<std::string> entry(listing.lines.begin() + at,
                                             listing.lines.begin() + at + 6);
        Check(entry[0].starts_with("Extension:  \".") && entry[0].ends_with("\""));
        Check(entry[1].starts_with("Typename:  \"") &&
              entry[1].find("\", Displayname:  \"") != std::string::npos &&
              entry[1].ends_with("\""));
        Check(entry[1].size() > std::string_view("Typename:  \"\", Displayname:  \"\"").size());
        Check(entry[2].starts_with("Server: "));
        Check(entry[3].empty() && entry[4] == std::string(29, '-') && entry[5].empty());
        for (const std::string& line : entry) Check(line.find('\0') == std::string::npos);
    }
    if (!listing.failure.empty()) Check(listing.failure == "Invalid data type for ''");
    return 0;
}
