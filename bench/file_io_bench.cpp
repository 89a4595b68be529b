// Loading and saving a large text file through the editor's file layer.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "core/editor.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"

namespace {

// About 80 MB of lines of varied length, some with tabs.
const std::string& sampleFile() {
  static const std::string path = [] {
    std::string dir = (std::filesystem::temp_directory_path() / "tarn-bench-XXXXXX").string();
    if (!mkdtemp(dir.data())) std::abort();
    std::string name = dir + "/sample.txt";
    std::ofstream out(name, std::ios::binary);
    std::string line;
    for (size_t written = 0, i = 0; written < 80'000'000; ++i) {
      line.assign(10 + i % 90, static_cast<char>('a' + i % 26));
      if (i % 7 == 0) line[3] = '\t';
      line += "\r\n";
      out << line;
      written += line.size();
    }
    return name;
  }();
  return path;
}

void loadLargeFile(benchmark::State& state) {
  const std::string& path = sampleFile();
  for (auto _ : state) {
    tarn::MemoryConsole console;
    tarn::EventLoop loop;
    tarn::Editor editor(console, loop);
    if (!editor.files.edit(path, {})) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(editor.currentDocument()->lineCount);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(path)));
}
BENCHMARK(loadLargeFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void saveLargeFile(benchmark::State& state) {
  const std::string& path = sampleFile();
  tarn::MemoryConsole console;
  tarn::EventLoop loop;
  tarn::Editor editor(console, loop);
  editor.files.edit(path, {});
  for (auto _ : state) {
    if (editor.files.save(std::nullopt, tarn::Compress::FromSetting, false) != 1) state.SkipWithError("not saved");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(path)));
}
BENCHMARK(saveLargeFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
