// A file of 1,000,000 lines of C: exported to HTML (the whole `html`
// command, and its steps with the file's keyword set) against sed escaping <, > and &
// in the same file (target: within 3 times sed); loaded, and pasted whole
// from the clipboard (target: the paste within 2 times the load); and its
// lines put on the clipboard as a line mark would.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/editor.h"
#include "core/function_codes.h"
#include "edit/clipboard_copy.h"
#include "edit/export_writer.h"
#include "edit/file_export.h"
#include "edit/keyword_file.h"
#include "edit/marked_text.h"
#include "edit/registry.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"
#include "platform/piped_program.h"
#include "c_sample.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

constexpr int kLines = 1'000'000;

const std::string& sampleFile() {
  static const std::string path = [] {
    std::string dir = (fs::temp_directory_path() / "tarn-clip-bench-XXXXXX").string();
    if (!mkdtemp(dir.data())) std::abort();
    std::string name = dir + "/sample.c";
    std::ofstream out(name, std::ios::binary);
    out << bench::cText(kLines);
    return name;
  }();
  return path;
}

// An editor holding the sample file, with its clipboard in the editor's own store.
struct Session {
  Session() : editor(console, loop) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    editor.engine.setRegistry(editRegistry());
  }
  MemoryConsole console;
  EventLoop loop;
  Editor editor;
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
  s.editor.files.edit(sampleFile(), {});
  for (auto _ : state) {
    if (!exportCurrentFile(s.editor, ExportKind::Html, sampleFile() + ".html")) state.SkipWithError("not exported");
  }
}
BENCHMARK(HtmlCommand)->Unit(benchmark::kMillisecond)->Iterations(3);

// The command's steps with the C keyword set, which the command takes from
// the colouring once it hands the sets out: the coloured lines written and
// made the text of a new document.
void ColouredHtmlExport(benchmark::State& state) {
  Session s;
  s.editor.files.edit(sampleFile(), {});
  Document& doc = *s.editor.currentDocument();
  KeywordSet set;
  loadKeywordFile(set, TARN_DATA_SOURCE_DIR "/TARN.Kwd", false);
  ExportPalette palette(s.editor.settings, 0);
  for (auto _ : state) {
    auto writer = ExportWriter::make(ExportKind::Html, palette, &set, CodePage::oem437());
    for (Line* line = doc.firstText(); line != doc.last; line = line->next()) writer->add(line->view());
    std::vector<std::string> lines = writer->finish();
    CreateRequest request{"exported.html", nullptr};
    s.editor.engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
    s.editor.engine.send(request.result, fn::kReplaceText, 0, reinterpret_cast<intptr_t>(&lines));
    s.editor.engine.send(request.result, msg::kDestroy);
  }
}
BENCHMARK(ColouredHtmlExport)->Unit(benchmark::kMillisecond)->Iterations(3);

void LoadFile(benchmark::State& state) {
  for (auto _ : state) {
    Session s;
    if (!s.editor.files.edit(sampleFile(), {})) state.SkipWithError("not loaded");
  }
}
BENCHMARK(LoadFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void PasteWholeFile(benchmark::State& state) {
  std::ifstream in(sampleFile(), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (auto _ : state) {
    state.PauseTiming();
    Session s;
    s.editor.clipboard.copy({text, "", ""});
    s.editor.files.edit(sampleFile() + ".new", {});
    Document* doc = s.editor.currentDocument();
    s.editor.engine.send(doc, fn::kDown);
    state.ResumeTiming();
    if (!s.editor.engine.send(doc, fn::kCopyFromClipboard)) state.SkipWithError("not pasted");
    state.PauseTiming();
    if (doc->textLineCount() != kLines + 1) state.SkipWithError("lines lost");
    state.ResumeTiming();
  }
}
BENCHMARK(PasteWholeFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void CopyLinesToClipboard(benchmark::State& state) {
  Session s;
  s.editor.files.edit(sampleFile(), {});
  Document& doc = *s.editor.currentDocument();
  MarkedText marked{&doc, bufferkind::kMarkedLines, {}, true};
  for (Line* line = doc.firstText(); line != doc.last; line = line->next()) marked.lines.push_back(line->view());
  for (auto _ : state) putOnClipboard(s.editor, marked, &doc, false);
}
BENCHMARK(CopyLinesToClipboard)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
