#include "conformance/registry_conformance.h"

#include "fakes/fake_registry.h"

namespace {

class FakeEnv {
  public:
    platform::Registry& Registry() { return registry_; }
    std::string Scratch() {
        (void)registry_.OpenKey(platform::RegistryRoot::CurrentUser, kScratch,
                                platform::KeyMode::CreateIfMissing);
        return kScratch;
    }
    void PutRaw(const std::string& path, const std::string& name, platform::RegistryType type,
                const std::string& data) {
        registry_.SetValue(platform::RegistryRoot::CurrentUser, path, name, type,
                           {data.begin(), data.end()});
    }

  private:
    static constexpr const char* kScratch = "Software\\SkarvelTest\\Conformance";
    fakes::FakeRegistry registry_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, RegistryConformance, FakeEnv);
