// Editing functions on large documents: jumping to either end, stepping
// down line by line, and typing into a long line. A step of one line must
// cost the same in a file of a thousand lines as in one of a million.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/engine.h"
#include "core/function_codes.h"
#include "edit/registry.h"

namespace tarn {
namespace {

struct Workbench {
  Engine engine;
  Document* doc = nullptr;

  Workbench(int lines, std::string_view text) {
    engine.setRegistry(editRegistry());
    CreateRequest request;
    engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
    doc = request.result;
    doc->freeLines();
    for (int i = 0; i < lines; ++i) doc->appendLine(makeLine(text));
    doc->addSentinels();
    engine.send(doc, msg::kSetWindowSize, 80, 25);
  }
};

Workbench& sharedDocument(int lines) {
  static std::unique_ptr<Workbench> bench;
  if (!bench || bench->doc->textLineCount() != lines)
    bench = std::make_unique<Workbench>(lines, "a line of text of ordinary length, forty-odd bytes");
  return *bench;
}

void BottomThenTop(benchmark::State& state) {
  Workbench& w = sharedDocument(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(w.engine.send(w.doc, fn::kBottom));
    benchmark::DoNotOptimize(w.engine.send(w.doc, fn::kTop));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BottomThenTop)->Arg(1000)->Arg(1000000);

void TenThousandDowns(benchmark::State& state) {
  Workbench& w = sharedDocument(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    w.engine.send(w.doc, fn::kTop);
    for (int i = 0; i < 10000; ++i) benchmark::DoNotOptimize(w.engine.send(w.doc, fn::kDown));
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(TenThousandDowns)->Arg(20000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void TypeTenThousandCharacters(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Workbench w(1, "");
    w.engine.send(w.doc, fn::kDown);
    state.ResumeTiming();
    for (int i = 0; i < 10000; ++i) benchmark::DoNotOptimize(w.engine.send(w.doc, fn::kTypeChar, 'a' + i % 26));
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(TypeTenThousandCharacters)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
