#include "conformance/profile_conformance.h"

#include "fakes/fake_file_system.h"
#include "platform/portable/ini_profile.h"

namespace {

class PortableEnv {
  public:
    PortableEnv() { files_.AddFolder(kFolder); }
    platform::Profile& Profile() { return profile_; }
    std::string PathOf(const std::string& name) { return std::string(kFolder) + "\\" + name; }
    void Put(const std::string& name, const std::string& bytes) {
        files_.AddFile(PathOf(name), bytes);
    }
    std::optional<std::string> Get(const std::string& name) {
        return files_.ReadFile(PathOf(name));
    }
    std::string RefusedPath() { return std::string(kFolder) + "\\missing\\x.ini"; }
    std::string AnsiByte() { return "\xE9"; }
    std::string AnsiByteText() { return "\xC3\xA9"; }  // é in Windows-1252

  private:
    static constexpr const char* kFolder = "C:\\profiles";
    fakes::FakeFileSystem files_;
    platform::portable::IniProfile profile_{files_};
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Portable, ProfileConformance, PortableEnv);
