// Undo and redo of a change of every line of a million-line file, made as
// locate and change make it (the match deleted and the replacement inserted
// through the document's primitives, as one batch); the change itself with
// recording on and off; what recording costs typing; and the line buffer's
// contents exchanged by undo. Undo should cost no more than the change.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/engine.h"
#include "core/function_codes.h"
#include "core/options.h"
#include "edit/registry.h"
#include "edit/undo_ring.h"

namespace tarn {
namespace {

constexpr int kLines = 1000000;

struct Workbench {
  Engine engine;
  Document* doc = nullptr;

  Workbench(int lines, bool recording) {
    engine.setRegistry(editRegistry());
    engine.setUndoFactory([] { return std::make_unique<UndoRing>(); });
    CreateRequest request;
    engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
    doc = request.result;
    doc->freeLines();
    for (int i = 0; i < lines; ++i)
      doc->appendLine(makeLine("line " + std::to_string(i) + ": the quick brown fox jumps over the lazy dog"));
    doc->addSentinels();
    engine.send(doc, msg::kSetWindowSize, 80, 25);
    engine.send(doc, fn::kSetOption, recording ? 1 : 0, opt::kUndoRecording);
    engine.send(doc, fn::kDown);
  }

  // fox becomes tiger on every line.
  void changeEveryLine() {
    engine.send(doc, msg::kSuspendUpdates, 1);
    for (Line* line = doc->firstText(); line != doc->last; line = line->next()) {
      auto at = static_cast<uint32_t>(line->view().find("fox"));
      doc->deleteCharacters(*line, at, 3);
      doc->insertCharacters(*line, at, "tiger");
    }
    engine.send(doc, msg::kSuspendUpdates, 0);
  }
};

void ChangeEveryLine(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto w = std::make_unique<Workbench>(kLines, state.range(0) != 0);
    state.ResumeTiming();
    w->changeEveryLine();
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(ChangeEveryLine)->ArgName("recording")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void UndoOfTheChange(benchmark::State& state, bool redo) {
  for (auto _ : state) {
    state.PauseTiming();
    auto w = std::make_unique<Workbench>(kLines, true);
    w->changeEveryLine();
    if (redo) w->engine.send(w->doc, fn::kUndo);
    state.ResumeTiming();
    if (!w->engine.send(w->doc, redo ? fn::kRedo : fn::kUndo)) state.SkipWithError("nothing to replay");
    state.PauseTiming();
    bool changed = w->doc->lastText()->view().find("tiger") != std::string_view::npos;
    if (changed != redo) state.SkipWithError("the text is not what it should be");
    w.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK_CAPTURE(UndoOfTheChange, Undo, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(UndoOfTheChange, Redo, true)->Unit(benchmark::kMillisecond)->Iterations(3);

// The line buffer given a million lines by copy lines, which undo and
// redo then exchange with what it held before: the buffer's hidden
// document changes hands, never its text.
void ExchangeOfAMillionLineBuffer(benchmark::State& state) {
  Workbench w(kLines, true);
  w.engine.send(w.doc, fn::kMarkLine);
  w.engine.send(w.doc, fn::kBottom);
  w.engine.send(w.doc, fn::kMarkLine);
  w.engine.send(w.doc, fn::kCopyLines);  // goes with the step of the last move
  if (w.engine.marks().buffer().document().textLineCount() != kLines) state.SkipWithError("not copied");
  for (auto _ : state) {
    if (!w.engine.send(w.doc, fn::kUndo) || !w.engine.send(w.doc, fn::kRedo)) state.SkipWithError("no replay");
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(ExchangeOfAMillionLineBuffer)->Unit(benchmark::kMicrosecond);

// Typing along one line (one merged record), or a character on each line
// going down (records all the way, the ring discarding the oldest).
void Typing(benchmark::State& state, bool down) {
  constexpr int kCharacters = 10000;
  for (auto _ : state) {
    state.PauseTiming();
    Workbench w(down ? kCharacters + 1 : 1, state.range(0) != 0);
    state.ResumeTiming();
    for (int i = 0; i < kCharacters; ++i) {
      benchmark::DoNotOptimize(w.engine.send(w.doc, fn::kTypeChar, 'a' + i % 26));
      if (down) w.engine.send(w.doc, fn::kDown);
    }
  }
  state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK_CAPTURE(Typing, AlongALine, false)->ArgName("recording")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Typing, DownTheLines, true)->ArgName("recording")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
