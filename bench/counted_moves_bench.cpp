// Counted moves and joins through the command language on a whole editor:
// `[right 30000]` along a line near the longest allowed, and joining many
// lines into one. Each must cost in proportion to the count, not to the
// count times the line's length: four times the lines, four times the time.
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
  const Document& doc = *s.session->editor().currentDocument();
  for (auto _ : state) {
    s.run("[begin line]");
    s.run("[right 30000]");
    if (doc.cursorColumn != 30000) state.SkipWithError("the cursor is not at column 30000");
  }
  state.SetItemsProcessed(state.iterations() * 30000);
}
BENCHMARK(RightAlongLongLine)->Unit(benchmark::kMillisecond);

// Joins until none is left: n lines of forty bytes become one.
void JoinEveryLine(benchmark::State& state) {
  const auto lines = static_cast<int>(state.range(0));
  std::string text;
  for (int i = 0; i < lines; ++i) text += "a line of text of ordinary length, forty\n";
  std::string path = benchFile("lines.txt", text);
  for (auto _ : state) {
    state.PauseTiming();
    Session s(path);
    s.run("[down]");
    state.ResumeTiming();
    s.run("{[join]}");
    if (s.session->editor().currentDocument()->textLineCount() != 1) state.SkipWithError("lines are left");
  }
  state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(JoinEveryLine)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
