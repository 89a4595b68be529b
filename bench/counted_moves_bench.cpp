// Counted moves and joins through the command language on a whole editor:
// `[right 30000]` along a line near the longest allowed, and joining many
// lines into one. Each must cost in proportion to the count, not to the
// count times the line's length.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "integration/editor_app.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"

namespace tarn {
namespace {

std::string benchFile(const std::string& name, const std::string& bytes) {
  static const std::string dir = [] {
    std::string d = (std::filesystem::temp_directory_path() / "tarn-bench-XXXXXX").string();
    if (!mkdtemp(d.data())) std::abort();
    std::filesystem::create_directory(d + "/profile");
    return d;
  }();
  std::string path = dir + "/" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

struct Session {
  MemoryConsole console;
  EventLoop loop;
  std::unique_ptr<EditorSession> session;

  explicit Session(const std::string& path) {
    std::string profile = std::filesystem::path(path).parent_path().string() + "/profile/";
    session = std::make_unique<EditorSession>(console, loop, std::vector<std::string>{"/p" + profile, path});
  }
  ~Session() { session->shutdown(); }
  void run(std::string_view text) { session->language().run(text, false); }
};

void RightAlongLongLine(benchmark::State& state) {
  std::string path = benchFile("long.txt", std::string(32766, 'x') + "\n");
  Session s(path);
  for (auto _ : state) {
    s.run("[begin line]");
    s.run("[right 30000]");
  }
  state.SetItemsProcessed(state.iterations() * 30000);
}
BENCHMARK(RightAlongLongLine)->Unit(benchmark::kMillisecond);

void JoinLoop(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < state.range(0); ++i) text += "a line of text of ordinary length, forty\n";
  std::string path = benchFile("lines.txt", text);
  for (auto _ : state) {
    state.PauseTiming();
    Session s(path);
    s.run("[down]");
    state.ResumeTiming();
    s.run("{[join]}");
  }
}
BENCHMARK(JoinLoop)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
