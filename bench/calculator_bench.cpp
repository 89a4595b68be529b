// The calculator on a million expressions of the kinds people type: plain
// arithmetic, functions, hexadecimal, variables and numbers from the text.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "edit/calculator.h"

namespace tarn::calc {
namespace {

class OneLine : public Context {
 public:
  TextPlace cursor() const override { return {1, 1}; }
  std::string_view textFrom(TextPlace place) const override {
    std::string_view line = "  42.5 apples";
    if (place.line != 1 || place.column > static_cast<int>(line.size())) return {};
    return line.substr(place.column - 1);
  }
  std::optional<std::string> askValue(std::string_view) override { return "1"; }
};

constexpr std::string_view kExpressions[] = {
    "2+3*4",
    "2^3^2 - 1<2+1",
    "(1.5 + 2.25) * (7 - 3) / 2",
    "SIN 30 + COS 60 * TG 45",
    "SQRT(16) + LOG EXP 2 - INT 2.7",
    "0x1F + 0xFF * 2",
    "|3-5 * -(width/2)",
    "_total * 1.2 + count",
    "$ + $(1,3) * 2",
    "!0 + (3>2) + ATG 1 / ASIN 0.5",
};
constexpr int kCount = sizeof kExpressions / sizeof kExpressions[0];

void MillionExpressions(benchmark::State& state) {
  Variables variables;
  variables.set("width", "80");
  variables.set("_total", "1234.5");
  variables.set("count", "17");
  OneLine context;
  for (auto _ : state) {
    for (int i = 0; i < 1000000; ++i)
      benchmark::DoNotOptimize(evaluate(kExpressions[i % kCount], variables, context));
  }
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(MillionExpressions)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn::calc

BENCHMARK_MAIN();
