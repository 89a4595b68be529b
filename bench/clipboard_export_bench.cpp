// A file of 1,000,000 lines of C: exported to HTML by the `html` command,
// coloured by the C keyword set, against sed escaping <, > and & in the same
// file (target: within 3 times sed); loaded; its lines marked as one line
// mark and copied to the clipboard; and what that copy put there pasted
// whole into a new file (target: the paste within 2 times the load).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/editor.h"
#include "core/function_codes.h"
#include "edit/clipboard_copy.h"
#include "edit/export_writer.h"
#include "edit/file_export.h"
#include "edit/keyword_sets.h"
#include "edit/registry.h"
#include "edit/syntax_colouring.h"
#include "edit/undo_ring.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"
#include "platform/piped_program.h"
#include "c_sample.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

constexpr int kLines = 1'000'000;

// The sample file, in a directory of its own that goes (with the exports
// written beside the sample) when the benchmarks end.
const std::string& sampleFile() {
  static const struct Sample {
    Sample() : dir((fs::temp_directory_path() / "tarn-clip-bench-XXXXXX").string()) {
      if (!mkdtemp(dir.data())) std::abort();
      path = dir + "/sample.c";
      std::ofstream(path, std::ios::binary) << bench::cText(kLines);
    }
    ~Sample() { fs::remove_all(dir); }
    std::string dir;
    std::string path;
  } sample;
  return sample.path;
}

// An editor with its clipboard in the editor's own store, undo recorded as
// the editor records it, and the colouring with the shipped keyword sets.
struct Session {
  Session() : editor(console, loop), sets(TARN_DATA_SOURCE_DIR "/"), colouring(editor, sets) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    editor.engine.setRegistry(editRegistry());
    editor.engine.setUndoFactory([] { return std::make_unique<UndoRing>(); });
  }
  // The sample file, current.
  Document& load() {
    if (!editor.files.edit(sampleFile(), {})) std::abort();
    return *editor.currentDocument();
  }
  // Its lines as one line mark.
  void markAll(Document& doc) {
    doc.current = doc.firstText();
    doc.currentLineNumber = doc.indexOf(doc.current);
    editor.engine.send(&doc, fn::kMarkLine);
    doc.current = doc.lastText();
    doc.currentLineNumber = doc.indexOf(doc.current);
    editor.engine.send(&doc, fn::kMarkLine);
  }
  MemoryConsole console;
  EventLoop loop;
  Editor editor;
  KeywordSets sets;
  SyntaxColouring colouring;
};

void SedEscape(benchmark::State& state) {
  const std::string& path = sampleFile();
  PipedRun run;
  run.timeout = std::chrono::minutes(2);
  for (auto _ : state) {
    auto result = runPiped({"sed", "-e", "s/&/\\&amp;/g; s/</\\&lt;/g; s/>/\\&gt;/g", path}, run);
    if (!result || result->status != 0) state.SkipWithError("sed failed");
  }
}
BENCHMARK(SedEscape)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void HtmlCommand(benchmark::State& state) {
  Session s;
  Document& doc = s.load();
  s.colouring.colourWith(doc, 0);
  for (auto _ : state) {
    if (!exportCurrentFile(s.editor, s.colouring, ExportKind::Html, sampleFile() + ".html"))
      state.SkipWithError("not exported");
  }
}
BENCHMARK(HtmlCommand)->Unit(benchmark::kMillisecond)->Iterations(3);

// The sessions are made and ended outside the time measured.
void LoadFile(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<Session>();
    state.ResumeTiming();
    s->load();
    state.PauseTiming();
    s.reset();
    state.ResumeTiming();
  }
}
// Load and paste compared by their medians: the first paste into a fresh
// editor also pays for memory the system hands out for the first time.
BENCHMARK(LoadFile)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();

void CopyLineMarkToClipboard(benchmark::State& state) {
  Session s;
  Document& doc = s.load();
  s.markAll(doc);
  for (auto _ : state) {
    if (!copyMarkToClipboard(s.editor, s.colouring, false)) state.SkipWithError("not copied");
  }
}
BENCHMARK(CopyLineMarkToClipboard)->Unit(benchmark::kMillisecond)->Iterations(3);

void PasteLineMarkBack(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<Session>();
    s->markAll(s->load());
    if (!copyMarkToClipboard(s->editor, s->colouring, false)) state.SkipWithError("not copied");
    s->editor.files.edit(sampleFile() + ".new", {});
    Document* doc = s->editor.currentDocument();
    s->editor.engine.send(doc, fn::kDown);
    state.ResumeTiming();
    if (!s->editor.engine.send(doc, fn::kCopyFromClipboard)) state.SkipWithError("not pasted");
    state.PauseTiming();
    if (doc->textLineCount() != kLines + 1) state.SkipWithError("lines lost");
    s.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(PasteLineMarkBack)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
