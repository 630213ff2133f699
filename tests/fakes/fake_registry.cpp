#include "fake_registry.h"

#include <algorithm>

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
        return platform::RegistryValue{it->second.type, AsRead(it->second.type, it->second.data)};
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
        registry_.log.push_back("set " + name_ + "|" + name);
        return true;
    }

    FakeRegistry& registry_;
    std::string name_;
    bool writable_;
};

std::string FakeRegistry::FullName(platform::RegistryRoot root, const std::string& path) {
    const char* prefix = root == platform::RegistryRoot::ClassesRoot   ? "hkcr"
                         : root == platform::RegistryRoot::CurrentUser ? "hkcu"
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
    keys_[FullName(root, path)].values[Lower(name)] = {type, std::move(data)};
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
