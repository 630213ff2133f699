// Reading a large winapp2.ini: 5,000 generated entries of the usual shape (detection, a few
// file keys, an exclusion, registry keys), about 2 MB, the size of the big public files.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/winapp2_reader.h"

namespace {

std::string MakeDefinitions(int entries) {
    std::string text = "\xEF\xBB\xBF; generated\r\n";
    for (int i = 0; i < entries; ++i) {
        std::string n = std::to_string(i);
        text += "\r\n[Generated Program " + n + " Cache *]\r\n";
        text += "LangSecRef=3024\r\n";
        text += "Detect=HKCU\\Software\\Generated\\Program" + n + "\r\n";
        text += "DetectFile=%LocalAppData%\\Generated\\Program" + n + "\r\n";
        if (i % 4 == 0) text += "DetectOS=6.1|\r\n";
        text += "FileKey1=%LocalAppData%\\Generated\\Program" + n + "\\Cache|*.*|RECURSE\r\n";
        text += "FileKey2=%AppData%\\Generated\\Program" + n + "\\Logs|*.log;*.txt;*.old\r\n";
        text += "FileKey3=%Temp%\\Program" + n + "*|*.tmp|REMOVESELF\r\n";
        text += "ExcludeKey1=FILE|%LocalAppData%\\Generated\\Program" + n + "\\Cache\\|keep.db\r\n";
        text += "RegKey1=HKCU\\Software\\Generated\\Program" + n + "\\Recent\r\n";
    }
    return text;
}

void BM_ReadDefinitions_5000Entries(benchmark::State& state) {
    const std::string text = MakeDefinitions(5000);
    for (auto _ : state) {
        auto defs = engine::winapp2::ReadDefinitions(text);
        if (defs.entries.size() != 5000 || !defs.problems.empty()) {
            state.SkipWithError("the generated file did not read cleanly");
        }
        benchmark::DoNotOptimize(defs);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadDefinitions_5000Entries)->Unit(benchmark::kMillisecond);

}  // namespace
