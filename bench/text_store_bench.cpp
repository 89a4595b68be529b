// Building and walking documents of 1,000,000 lines of 80 bytes; reports the
// memory each line costs beside its text.
#include <benchmark/benchmark.h>

#include <string>

#include "core/document.h"
#include "core/line_arena.h"

namespace tarn {
namespace {

constexpr int kLines = 1'000'000;
const std::string kText(80, 'x');

void BuildDocument(benchmark::State& state) {
  for (auto _ : state) {
    size_t before = LineArena::instance().reservedBytes();
    Document doc(1, 0, kDefaultOptions);
    for (int i = 0; i < kLines; ++i) doc.appendLine(makeLine(kText));
    doc.addSentinels();
    size_t grown = LineArena::instance().reservedBytes() - before;
    state.counters["bytes_per_line_beside_text"] =
        static_cast<double>(grown) / kLines - static_cast<double>(kText.size());
    benchmark::DoNotOptimize(doc.lineCount);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BuildDocument)->Unit(benchmark::kMillisecond)->Iterations(1);

void WalkDocument(benchmark::State& state) {
  Document doc(1, 0, kDefaultOptions);
  for (int i = 0; i < kLines; ++i) doc.appendLine(makeLine(kText));
  doc.addSentinels();
  for (auto _ : state) {
    size_t bytes = 0;
    for (Line* line = doc.first; line; line = line->next()) bytes += line->length;
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(WalkDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
