// Syntax colouring: classing a screen of C (200 columns by 60 rows, as the
// painter asks for it) and scanning a million lines for the block-remark
// state, with and without the classes.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "edit/keyword_file.h"
#include "edit/tokenizer.h"
#include "sample_code.h"

namespace tarn {
namespace {

KeywordSet cKeywords() {
  KeywordSet set;
  loadKeywordFile(set, TARN_DATA_SOURCE_DIR "/TARN.Kwd", false);
  return set;
}

// The lines of C, one after another, each made as wide as the screen.
std::vector<std::string> screenLines(int rows, size_t columns) {
  std::vector<std::string> lines;
  for (int i = 0; i < rows; ++i) {
    std::string line;
    for (size_t k = i; line.size() < columns; ++k) (line += kSampleCode[k % std::size(kSampleCode)]) += ' ';
    lines.push_back(line.substr(0, columns));
  }
  return lines;
}

void ScreenOfC(benchmark::State& state) {
  const KeywordSet set = cKeywords();
  const std::vector<std::string> lines = screenLines(60, 200);
  std::vector<char> classes(200);
  for (auto _ : state) {
    bool inRemark = false;
    for (const std::string& line : lines) inRemark = tokenizeLine(set, line, inRemark, classes);
    benchmark::DoNotOptimize(classes.data());
    benchmark::DoNotOptimize(inRemark);
  }
  state.SetItemsProcessed(state.iterations() * 60);
}
BENCHMARK(ScreenOfC)->Unit(benchmark::kMicrosecond);

// One text of a million lines of C, in one block as a file would load.
struct LongFile {
  std::string text;
  std::vector<std::string_view> lines;
  LongFile() {
    constexpr int kLines = 1'000'000;
    for (int i = 0; i < kLines; ++i) (text += kSampleCode[i % std::size(kSampleCode)]) += '\n';
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
      lines.emplace_back(text.data() + start, end - start);
  }
};

const LongFile& longFile() {
  static const LongFile file;
  return file;
}

void RemarkStateOfAMillionLines(benchmark::State& state) {
  const KeywordSet set = cKeywords();
  const LongFile& file = longFile();
  for (auto _ : state) {
    bool inRemark = false;
    for (std::string_view line : file.lines) inRemark = remarkStateAfter(set, line, inRemark);
    benchmark::DoNotOptimize(inRemark);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(file.lines.size()));
}
BENCHMARK(RemarkStateOfAMillionLines)->Unit(benchmark::kMillisecond);

void ClassesOfAMillionLines(benchmark::State& state) {
  const KeywordSet set = cKeywords();
  const LongFile& file = longFile();
  std::vector<char> classes(kClassedLength);
  for (auto _ : state) {
    bool inRemark = false;
    for (std::string_view line : file.lines) inRemark = tokenizeLine(set, line, inRemark, classes);
    benchmark::DoNotOptimize(classes.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(file.lines.size()));
}
BENCHMARK(ClassesOfAMillionLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
