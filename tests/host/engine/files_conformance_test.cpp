#include "conformance/files_conformance.h"

#include "fakes/fake_file_system.h"

namespace {

class FakeEnv {
  public:
    FakeEnv() { files_.AddFolder(Root()); }
    platform::FileSystem& Files() { return files_; }
    std::string Root() { return "C:\\conformance"; }

  private:
    fakes::FakeFileSystem files_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, FilesConformance, FakeEnv);
