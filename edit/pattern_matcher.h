// Runs a compiled pattern over a line. The matcher backtracks with a stack
// of its own, never recursing, so no pattern can exhaust the call stack.
// Without back references it remembers which instruction has already failed
// at which column of the line searched, so that no column is tried twice at
// the same instruction; a step budget bounds what is left (back references,
// matches running on through later lines), and a search that exceeds it
// finds nothing. Its buffers are kept from one search to the next, so that
// searching line after line allocates nothing.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/word_separators.h"
#include "edit/match_text.h"
#include "edit/pattern_program.h"
#include "edit/search_match.h"

namespace tarn {

class PatternMatcher {
 public:
  static constexpr int64_t kStepBudget = 50'000'000;

  // The match that starts nearest to from in the given direction (from
  // itself included) on the first line of text. With wholeWords a match
  // must start and end at word edges; at one start, the first match in the
  // pattern's order that ends at one counts.
  std::optional<SearchMatch> find(const PatternProgram& program, MatchText& text, int from,
                                  SearchDirection direction, const WordSeparators* wholeWords);

 private:
  enum class FrameKind : uint8_t { kRestore, kAlternative, kFewer };
  // kRestore: register arg gets position back. kAlternative: resume at
  // instruction arg, position. kFewer: the repeat at instruction arg ended
  // at position; try it ending step earlier, down to least.
  struct Frame {
    FrameKind kind;
    uint32_t arg;
    int64_t position;
    int64_t least;
    int64_t step;
  };

  bool tryAt(int64_t start);
  bool run(int64_t start);
  bool endsWord(int64_t at);
  bool execute(uint32_t& pc, int64_t& at);
  bool backtrack(uint32_t& pc, int64_t& at);
  bool repeatItem(const PatternInstruction& in, uint32_t pc, int64_t& at);
  int64_t rememberedRun(const PatternInstruction& in, uint32_t pc, int64_t at);
  bool repeatGroup(const PatternInstruction& in, uint32_t pc, int64_t& at);
  bool itemAt(const PatternInstruction& in, int64_t at);
  bool groupTextAt(int64_t groupStart, int64_t length, int64_t at);
  int64_t skipToNextByte(uint32_t pc, int64_t from, int64_t least);
  bool visitedBefore(uint32_t pc, int64_t at);
  void prepareMemo();
  SearchMatch matchFrom(int64_t start) const;

  const PatternProgram* program_ = nullptr;
  MatchText* text_ = nullptr;
  const WordSeparators* wholeWords_ = nullptr;
  std::vector<Frame> stack_;
  std::array<int64_t, kPatternRegisters> registers_{};
  int64_t end_ = 0;
  int64_t steps_ = 0;
  bool memoReady_ = false;
  bool useMemo_ = false;
  std::vector<uint64_t> memo_;  // one bit per instruction and column of the line searched
  int64_t memoColumns_ = 0;
};

}  // namespace tarn
