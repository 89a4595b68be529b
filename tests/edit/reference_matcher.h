// A second reading of compiled patterns for checking the matcher: plain
// recursive backtracking, with no memo, no skips and no budget, for short
// patterns on short texts only.
#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "edit/match_text.h"
#include "edit/pattern_program.h"
#include "edit/search_match.h"
#include "edit/whole_words.h"

namespace tarn {

class ReferenceMatcher {
 public:
  ReferenceMatcher(const PatternProgram& program, MatchText& text, const WordSeparators* wholeWords)
      : program_(program), text_(text), wholeWords_(wholeWords) {}

  // The match starting nearest to column from in the direction given.
  std::optional<SearchMatch> find(int from, SearchDirection direction) {
    const bool forward = direction == SearchDirection::kForward;
    const int64_t first = forward ? std::max(from, 0) : std::min<int64_t>(from, text_.lineLength());
    for (int64_t start = first; start >= 0 && start <= text_.lineLength(); start += forward ? 1 : -1) {
      if (program_.anchored && start > 0) continue;
      if (wholeWords_ && !isWordEdge(*wholeWords_, start > 0 ? text_.at(start - 1) : -1)) continue;
      registers_.fill(-1);
      if (matchHere(0, start)) return result(start);
    }
    return std::nullopt;
  }

 private:
  bool matchHere(uint32_t pc, int64_t at) {
    const PatternInstruction& in = program_.code[pc];
    switch (in.op) {
      case PatternOp::kChar:
      case PatternOp::kAny:
      case PatternOp::kClass:
      case PatternOp::kBackReference: {
        int64_t step = 1;
        if (in.op == PatternOp::kBackReference) {
          int64_t s = registers_[groupStartRegister(in.arg)], e = registers_[groupEndRegister(in.arg)];
          if (s < 0 || e < 0) return false;
          step = e - s;
          if (step == 0) return matchHere(pc + 1, at);
        }
        int64_t least = in.repeat == PatternRepeat::kAnyNumber ? 0 : 1;
        int64_t most = in.repeat == PatternRepeat::kOnce ? 1 : INT64_MAX;
        std::vector<int64_t> ends{at};
        while (static_cast<int64_t>(ends.size()) - 1 < most && takes(in, ends.back()))
          ends.push_back(ends.back() + step);
        for (int64_t n = static_cast<int64_t>(ends.size()) - 1; n >= least; --n)
          if (matchHere(pc + 1, ends[n])) return true;
        return false;
      }
      case PatternOp::kLineStart:
        return text_.isLineStart(at) && matchHere(pc + 1, at);
      case PatternOp::kLineEnd:
        return text_.isLineEnd(at) && matchHere(pc + 1, at);
      case PatternOp::kSave: {
        int64_t old = registers_[in.arg];
        registers_[in.arg] = at;
        if (matchHere(pc + 1, at)) return true;
        registers_[in.arg] = old;
        return false;
      }
      case PatternOp::kSplit:
        return matchHere(pc + 1, at) || matchHere(in.arg, at);
      case PatternOp::kJump:
        return matchHere(in.arg, at);
      case PatternOp::kMatch:
        if (wholeWords_ && !isWordEdge(*wholeWords_, text_.at(at))) return false;
        end_ = at;
        return true;
    }
    return false;
  }

  bool takes(const PatternInstruction& in, int64_t at) {
    if (in.op == PatternOp::kBackReference) {
      int64_t s = registers_[groupStartRegister(in.arg)], e = registers_[groupEndRegister(in.arg)];
      for (int64_t i = 0; i < e - s; ++i) {
        int want = text_.at(s + i), have = text_.at(at + i);
        if (have < 0) return false;
        if (want > 255 || have > 255 ? want != have : program_.fold[want] != program_.fold[have])
          return false;
      }
      return true;
    }
    int c = text_.at(at);
    if (c < 0) return false;
    if (c > 255) return in.op == PatternOp::kClass && program_.classes[in.arg].lineEnd;
    if (in.op == PatternOp::kChar) return program_.fold[c] == in.arg;
    if (in.op == PatternOp::kClass) return program_.classes[in.arg].bytes[program_.fold[c]];
    return true;
  }

  SearchMatch result(int64_t start) const {
    SearchMatch m;
    m.whole = {text_.pointAt(start), text_.pointAt(end_)};
    if (registers_[kCursorRegister] >= 0) m.cursor = text_.pointAt(registers_[kCursorRegister]);
    for (int g = 1; g <= kMaxPatternGroups; ++g)
      if (registers_[groupStartRegister(g)] >= 0 && registers_[groupEndRegister(g)] >= 0)
        m.groups[g - 1] = TextSpan{text_.pointAt(registers_[groupStartRegister(g)]),
                                   text_.pointAt(registers_[groupEndRegister(g)])};
    return m;
  }

  const PatternProgram& program_;
  MatchText& text_;
  const WordSeparators* wholeWords_;
  std::array<int64_t, kPatternRegisters> registers_{};
  int64_t end_ = 0;
};

}  // namespace tarn
