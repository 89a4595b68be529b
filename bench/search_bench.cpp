// Searching a million lines for a common word, as locate and change do:
// each line is searched from column 0, and again after the match. Plain
// text, exact and ignoring case, and patterns; and building replacements.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "edit/replacement.h"
#include "edit/text_search.h"

namespace tarn {
namespace {

constexpr int kLines = 1000000;

const std::vector<std::string>& lines() {
  static const std::vector<std::string> text = [] {
    std::vector<std::string> made;
    made.reserve(kLines);
    for (int i = 0; i < kLines; ++i)
      made.push_back("line " + std::to_string(i) + ": the quick brown fox jumps over the lazy dog");
    return made;
  }();
  return text;
}

int64_t searchAll(TextSearch& search) {
  int64_t found = 0;
  for (const std::string& line : lines()) {
    for (int from = 0;;) {
      std::optional<SearchMatch> match = search.find(line, from, SearchDirection::kForward);
      if (!match) break;
      ++found;
      from = match->whole.end.column;
    }
  }
  return found;
}

void Search(benchmark::State& state, const char* text, SearchOptions options) {
  WordSeparators separators;
  TextSearch search;
  search.prepare(text, options, separators);
  lines();
  for (auto _ : state) benchmark::DoNotOptimize(searchAll(search));
  state.SetItemsProcessed(state.iterations() * kLines);
}

BENCHMARK_CAPTURE(Search, PlainExact, "fox", SearchOptions{false, false, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, PlainIgnoringCase, "fox", SearchOptions{true, false, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, PlainWholeWord, "the", SearchOptions{true, false, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, PatternWordIgnoringCase, "fox", SearchOptions{true, true, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, PatternLiteralStart, "f?x", SearchOptions{false, true, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, PatternClassStart, "[fd]o?", SearchOptions{false, true, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, PatternDigits, ":i", SearchOptions{false, true, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, PatternAlternatives, "fox|dog", SearchOptions{false, true, false})
    ->Unit(benchmark::kMillisecond);

void BuildReplacements(benchmark::State& state) {
  WordSeparators separators;
  TextSearch search;
  search.prepare("\\(b?*n\\) \\(fox\\)", SearchOptions{false, true, false}, separators);
  Replacement replacement;
  replacement.prepare("\\2 & \\1", true);
  std::string out;
  lines();
  for (auto _ : state) {
    for (const std::string& line : lines()) {
      std::optional<SearchMatch> match = search.find(line, 0, SearchDirection::kForward);
      if (match) benchmark::DoNotOptimize(replacement.build(*match, search.matchedText(), out));
    }
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BuildReplacements)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
