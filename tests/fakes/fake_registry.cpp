#include "fake_registry.h"

#include <algorithm>

#include "platform/portable/ini_text.h"

namespace fakes {

namespace {

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool HasNul(const std::string& s) {
    return s.find('\0') != std::string::npos;
}

// What the platform reads of a stored value: a string ends at its first NUL; a multi-string
// loses its terminators.
std::vector<std::uint8_t> AsRead(platform::RegistryType type, std::vector<std::uint8_t> data) {
    if (type == platform::RegistryType::String || type == platform::RegistryType::ExpandString) {
        data.erase(std::find(data.begin(), data.end(), std::uint8_t{0}), data.end());
    } else if (type == platform::RegistryType::MultiString) {
        while (!data.empty() && data.back() == 0) data.pop_back();
    }
    return data;
}

bool IsString(platform::RegistryType type) {
    return type == platform::RegistryType::String || type == platform::RegistryType::ExpandString ||
           type == platform::RegistryType::MultiString;
}

// UTF-16 LE bytes as UTF-8, every NUL kept.
std::vector<std::uint8_t> Utf8Of(const std::vector<std::uint8_t>& bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    const std::string text = platform::portable::Utf16ToUtf8(units);
    return {text.begin(), text.end()};
}

// A value's bytes as the system stores them: strings in UTF-16 LE with their terminator.
std::vector<std::uint8_t> StoredBytes(const fakes::FakeRegistry::Value& value) {
    if (value.stored || !IsString(value.type)) return value.data;
    std::string text(value.data.begin(), value.data.end());
    text += value.type == platform::RegistryType::MultiString ? std::string(2, '\0')
                                                              : std::string(1, '\0');
    const std::string bytes = platform::portable::Encode(
        platform::portable::Utf8ToUtf16(text), platform::portable::TextEncoding::Utf16Le,
        platform::portable::AnsiCodePage::Windows1252);
    return {bytes.begin(), bytes.end()};
}

std::string TrimSlashes(std::string s) {
    while (!s.empty() && s.front() == '\\') s.erase(s.begin());
    while (!s.empty() && s.back() == '\\') s.pop_back();
    return s;
}

}  // namespace

class FakeRegistryKey : public platform::RegistryKey {
  public:
    FakeRegistryKey(FakeRegistry& registry, std::string name, bool writable)
        : registry_(registry), name_(std::move(name)), writable_(writable) {}

    bool WriteDword(const std::string& name, std::uint32_t value) override {
        return Set(
            name, platform::RegistryType::Dword,
            {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
    }
    bool WriteString(const std::string& name, const std::string& value) override {
        return Set(name, platform::RegistryType::String, {value.begin(), value.end()});
    }
    bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& bytes) override {
        return Set(name, platform::RegistryType::Binary, bytes);
    }
    bool ValueExists(const std::string& name) override {
        return !HasNul(name) && Values().count(Lower(name)) != 0;
    }
    bool DeleteValue(const std::string& name) override {
        if (!writable_ || HasNul(name) || Values().erase(Lower(name)) == 0) return false;
        registry_.log.push_back("delete " + name_ + "|" + name);
        return true;
    }
    std::optional<platform::RegistryValue> ReadValue(const std::string& name) override {
        if (HasNul(name)) return std::nullopt;
        auto it = Values().find(Lower(name));
        if (it == Values().end()) return std::nullopt;
        const FakeRegistry::Value& value = it->second;
        return platform::RegistryValue{
            value.type, AsRead(value.type, value.stored && IsString(value.type) ? Utf8Of(value.data)
                                                                                : value.data)};
    }
    std::vector<platform::StoredValue> StoredValues() override {
        std::vector<platform::StoredValue> values;
        for (const auto& [lower, value] : Values())
            values.push_back(
                {registry_.names_[name_ + "|" + lower], value.type, StoredBytes(value)});
        return values;
    }
    bool WriteStored(const platform::StoredValue& value) override {
        if (!Set(value.name, value.type, value.bytes)) return false;
        Values()[Lower(value.name)].stored = true;
        return true;
    }
    std::vector<std::string> SubKeyNames() override {
        std::vector<std::string> names;
        std::string prefix = name_ + "\\";
        for (const auto& [full, key] : registry_.keys_) {
            if (full.compare(0, prefix.size(), prefix) != 0) continue;
            std::string rest = full.substr(prefix.size());
            if (rest.find('\\') == std::string::npos) names.push_back(rest);
        }
        return names;
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        for (const auto& [name, value] : Values()) names.push_back(name);
        return names;
    }

  private:
    std::map<std::string, FakeRegistry::Value>& Values() { return registry_.keys_[name_].values; }

    bool Set(const std::string& name, platform::RegistryType type, std::vector<std::uint8_t> data) {
        if (!writable_ || HasNul(name) || registry_.refusedValues_.count(Lower(name))) return false;
        Values()[Lower(name)] = {type, std::move(data)};
        registry_.names_[name_ + "|" + Lower(name)] = name;
        registry_.log.push_back("set " + name_ + "|" + name);
        return true;
    }

    FakeRegistry& registry_;
    std::string name_;
    bool writable_;
};

std::string FakeRegistry::FullName(platform::RegistryRoot root, const std::string& path) {
    const char* prefix = root == platform::RegistryRoot::ClassesRoot     ? "hkcr"
                         : root == platform::RegistryRoot::CurrentUser   ? "hkcu"
                         : root == platform::RegistryRoot::Users         ? "hku"
                         : root == platform::RegistryRoot::CurrentConfig ? "hkcc"
                                                                         : "hklm";
    std::string rest = Lower(TrimSlashes(path));
    return rest.empty() ? prefix : std::string(prefix) + "\\" + rest;
}

void FakeRegistry::RefuseKey(platform::RegistryRoot root, const std::string& path) {
    refusedKeys_.insert(FullName(root, path));
}

void FakeRegistry::RefuseValueWrite(const std::string& name) {
    refusedValues_.insert(Lower(name));
}

void FakeRegistry::SetValue(platform::RegistryRoot root, const std::string& path,
                            const std::string& name, platform::RegistryType type,
                            std::vector<std::uint8_t> data) {
    const std::string key = FullName(root, path);
    for (std::size_t at = key.find('\\'); at != std::string::npos; at = key.find('\\', at + 1))
        keys_[key.substr(0, at)];
    keys_[key].values[Lower(name)] = {type, std::move(data)};
    names_[key + "|" + Lower(name)] = name;
}

void FakeRegistry::RefuseDeletion(platform::RegistryRoot root, const std::string& path) {
    refusedDeletions_.insert(FullName(root, path));
}

bool FakeRegistry::DeleteKeyTree(platform::RegistryRoot root, const std::string& path) {
    const std::string name = FullName(root, path);
    if (name.find('\\') == std::string::npos || !keys_.count(name) || refusedDeletions_.count(name))
        return false;
    if (root == platform::RegistryRoot::LocalMachine && localMachineReadOnly) return false;
    const std::string below = name + "\\";
    for (auto it = keys_.begin(); it != keys_.end();)
        it = it->first == name || it->first.starts_with(below) ? keys_.erase(it) : std::next(it);
    log.push_back("delete tree " + name);
    return true;
}

const FakeRegistry::Value* FakeRegistry::Find(platform::RegistryRoot root, const std::string& path,
                                              const std::string& name) const {
    auto key = keys_.find(FullName(root, path));
    if (key == keys_.end()) return nullptr;
    auto value = key->second.values.find(Lower(name));
    return value == key->second.values.end() ? nullptr : &value->second;
}

bool FakeRegistry::KeyExists(platform::RegistryRoot root, const std::string& path) const {
    return keys_.count(FullName(root, path)) != 0;
}

std::set<std::string> FakeRegistry::AllValues() const {
    std::set<std::string> all;
    for (const auto& [name, key] : keys_) {
        for (const auto& [value, data] : key.values) all.insert(name + "|" + value);
    }
    return all;
}

std::unique_ptr<platform::RegistryKey> FakeRegistry::OpenKey(platform::RegistryRoot root,
                                                             const std::string& path,
                                                             platform::KeyMode mode) {
    if (HasNul(path)) return nullptr;
    std::string name = FullName(root, path);
    bool writable = mode != platform::KeyMode::ReadOnly;
    if (refusedKeys_.count(name)) return nullptr;
    if (writable && localMachineReadOnly && root == platform::RegistryRoot::LocalMachine) {
        return nullptr;
    }
    if (writable && classesRootReadOnly && root == platform::RegistryRoot::ClassesRoot) {
        return nullptr;
    }
    if (!keys_.count(name)) {
        if (mode != platform::KeyMode::CreateIfMissing) return nullptr;
        // Parents come into being with the key.
        for (std::size_t at = name.find('\\'); at != std::string::npos;
             at = name.find('\\', at + 1)) {
            keys_[name.substr(0, at)];
        }
        keys_[name];
        log.push_back("create " + name);
    } else {
        log.push_back("open " + name);
    }
    return std::make_unique<FakeRegistryKey>(*this, name, writable);
}

}  // namespace fakes
