#pragma once
// An in-memory registry for tests. Keys and value names are case-insensitive. Keys can be
// made to refuse opening (a policy key the user may not write, HKLM without administrator
// rights) and values to refuse writing.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace fakes {

class FakeRegistry : public platform::Registry {
  public:
    struct Value {
        platform::RegistryType type = platform::RegistryType::None;
        // Strings as UTF-8 (as SetValue and the Write calls take them), unless STORED: then
        // the bytes as WriteStored gave them (UTF-16 LE for strings).
        std::vector<std::uint8_t> data;
        bool stored = false;
    };
    struct Key {
        std::map<std::string, Value> values;  // by lower-case name
    };

    // Full key name: "HKCU\\software\\..." in lower case, no leading or trailing backslash.
    static std::string FullName(platform::RegistryRoot root, const std::string& path);

    // Keys whose opening fails in every mode (full names, any case).
    void RefuseKey(platform::RegistryRoot root, const std::string& path);
    // Value names whose writes fail in every key.
    void RefuseValueWrite(const std::string& name);
    // Every open of HKEY_LOCAL_MACHINE with full access fails, as for a standard user.
    bool localMachineReadOnly = false;
    // Every open of HKEY_CLASSES_ROOT with full access fails, as for a standard user.
    bool classesRootReadOnly = false;

    void SetValue(platform::RegistryRoot root, const std::string& path, const std::string& name,
                  platform::RegistryType type, std::vector<std::uint8_t> data);
    const Value* Find(platform::RegistryRoot root, const std::string& path,
                      const std::string& name) const;
    bool KeyExists(platform::RegistryRoot root, const std::string& path) const;
    // Every value in the registry as "KEY|name", for comparing whole states.
    std::set<std::string> AllValues() const;

    // Operations in order: "open KEY", "create KEY", "set KEY|name", "delete KEY|name".
    std::vector<std::string> log;

    std::unique_ptr<platform::RegistryKey> OpenKey(platform::RegistryRoot root,
                                                   const std::string& path,
                                                   platform::KeyMode mode) override;
    bool DeleteKeyTree(platform::RegistryRoot root, const std::string& path) override;
    // Keys whose deletion fails (full names, any case).
    void RefuseDeletion(platform::RegistryRoot root, const std::string& path);

  private:
    friend class FakeRegistryKey;
    std::map<std::string, Key> keys_;
    std::map<std::string, std::string> names_;  // "key|lower-case name" -> the name as written
    std::set<std::string> refusedKeys_;
    std::set<std::string> refusedValues_;
    std::set<std::string> refusedDeletions_;
};

}  // namespace fakes
