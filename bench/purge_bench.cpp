// Cost of purging a 10,000-file tree (100 folders of 100 files) in the in-memory file
// system, against a plain recursive delete without attribute clearing or link checks.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/purge.h"
#include "fakes/fake_file_system.h"

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;

std::unique_ptr<fakes::FakeFileSystem> MakeTree() {
    auto fs = std::make_unique<fakes::FakeFileSystem>();
    for (int d = 0; d < kFolders; ++d) {
        std::string folder = "C:\\Temp\\folder" + std::to_string(d);
        fs->AddFolder(folder);
        for (int f = 0; f < kFilesPerFolder; ++f)
            fs->AddFile(folder + "\\file" + std::to_string(f) + ".tmp", "x");
    }
    return fs;
}

// The baseline: enumerate, delete files, recurse into folders, remove them.
void PlainDelete(platform::FileSystem& fs, const std::string& folder) {
    std::vector<platform::DirEntry> entries;
    fs.Enumerate(folder + "\\*", entries);
    for (const auto& e : entries) {
        if (e.name == "." || e.name == "..") continue;
        std::string full = folder + "\\" + e.name;
        if (e.attributes & platform::attr::kDirectory) {
            PlainDelete(fs, full);
            fs.RemoveFolder(full);
        } else {
            fs.DeleteFileAt(full);
        }
    }
}

void BM_PlainRecursiveDelete_10000Files(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto fs = MakeTree();
        state.ResumeTiming();
        PlainDelete(*fs, "C:\\Temp");
        state.PauseTiming();
        fs.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlainRecursiveDelete_10000Files)->Unit(benchmark::kMillisecond);

void BM_PurgeFolder_10000Files(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto fs = MakeTree();
        state.ResumeTiming();
        engine::PurgeFolder(*fs, "C:\\Temp", state.range(0) != 0, false, "C:\\WINDOWS");
        state.PauseTiming();
        fs.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PurgeFolder_10000Files)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("clearAttributes")
    ->Unit(benchmark::kMillisecond);

}  // namespace
