// A recorded macro of 1,000 typed characters and functions played back
// 1,000 times on a file of 200,000 lines, as the key loop plays it: as one
// batch, the screen brought up to date once at the end. Target: at least
// 1,000,000 recorded functions a second. The console rows written during a
// playback are reported: one screen's worth or less.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/update_batch.h"
#include "integration/editor_app.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

constexpr int kLines = 200000;
constexpr int kPlaybacks = 1000;

// Ten calls a line: eight letters typed over the start of the line, the
// beginning of the line, a line down; a hundred lines of it.
void record(Editor& editor, Document& doc) {
  editor.engine.send(&doc, fn::kMacroDefine);
  for (int line = 0; line < 100; ++line) {
    for (char c : std::string_view("abcdefgh")) editor.engine.send(&doc, fn::kTypeChar, c);
    editor.engine.send(&doc, fn::kBeginLine);
    editor.engine.send(&doc, fn::kDown);
  }
  editor.engine.send(&doc, fn::kMacroDefine);
}

void PlayBackAMacroAThousandTimes(benchmark::State& state) {
  fs::path dir = fs::temp_directory_path() / ("tarn-macro-bench-" + std::to_string(getpid()));
  fs::create_directories(dir / "profile");
  {
    std::ofstream out(dir / "big.txt");
    for (int i = 0; i < kLines; ++i) out << "line " << i << " of a file that macros play back on\n";
  }
  MemoryConsole console({80, 25});
  EventLoop loop;
  EditorSession session(console, loop, {"/p" + (dir / "profile").string() + "/", (dir / "big.txt").string()});
  Editor& editor = session.editor();
  Document& doc = *editor.currentDocument();
  editor.engine.send(&doc, fn::kTop);
  record(editor, doc);
  size_t calls = editor.recorder.calls().size();
  int rowsWritten = 0;
  for (auto _ : state) {
    editor.engine.send(&doc, fn::kTop);
    console.resetWriteCount();
    {
      UpdateBatch batch(editor);
      editor.engine.setRepeatCount(kPlaybacks);
      editor.engine.send(&doc, fn::kMacroPlay);
    }
    rowsWritten = console.writesSinceReset();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kPlaybacks * static_cast<int64_t>(calls));
  state.counters["recorded calls"] = static_cast<double>(calls);
  state.counters["console writes"] = rowsWritten;
  session.shutdown();
  fs::remove_all(dir);
}
BENCHMARK(PlayBackAMacroAThousandTimes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
