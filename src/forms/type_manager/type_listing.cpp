#include "forms/type_manager/type_listing.h"

#include <memory>
#include <optional>

#include "platform/registry.h"

namespace tools {

namespace {

using platform::KeyMode;
using platform::RegistryRoot;

// The value name the failure message names: the default value has none.
constexpr char kDefaultValueName[] = "";

std::unique_ptr<platform::RegistryKey> OpenForReading(platform::Registry& registry,
                                                      const std::string& path) {
    return registry.OpenKey(RegistryRoot::ClassesRoot, path, KeyMode::ReadOnly);
}

// The key's default value as text, "" when it is missing; nullopt when it is not text.
std::optional<std::string> DefaultText(platform::RegistryKey& key) {
    std::optional<platform::RegistryValue> value = key.ReadValue(kDefaultValueName);
    if (!value) return std::string();
    if (value->type != platform::RegistryType::String &&
        value->type != platform::RegistryType::ExpandString)
        return std::nullopt;
    return value->Text();
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

TypeListing ListFileTypes(platform::Registry& registry) {
    TypeListing listing;
    std::vector<std::string> names;
    if (auto root = OpenForReading(registry, ""))
        names = root->SubKeyNames();
    else
        return listing;

    const auto fail = [&listing] {
        listing.failure = std::string("Invalid data type for '") + kDefaultValueName + "'";
        return listing;
    };
    for (const std::string& extension : names) {
        if (extension.empty() || extension.front() != '.') continue;
        std::optional<std::string> typeName;
        if (auto key = OpenForReading(registry, extension))
            typeName = DefaultText(*key);
        else
            continue;
        if (!typeName) return fail();
        if (typeName->empty()) continue;

        std::optional<std::string> displayName = std::string();
        if (auto key = OpenForReading(registry, *typeName)) displayName = DefaultText(*key);
        if (!displayName) return fail();

        auto commandKey = OpenForReading(registry, *typeName + "\\shell\\open\\command");
        if (!commandKey) continue;
        std::optional<std::string> command = DefaultText(*commandKey);
        if (!command) return fail();

        listing.lines.insert(
            listing.lines.end(),
            {"Extension:  " + Quoted(extension),
             "Typename:  " + Quoted(*typeName) + ", Displayname:  " + Quoted(*displayName),
             "Server: " + *command, "", std::string(29, '-'), ""});
    }
    return listing;
}

}  // namespace tools
