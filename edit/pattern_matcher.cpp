#include "edit/pattern_matcher.h"

#include <algorithm>

#include "edit/whole_words.h"

namespace tarn {

namespace {

constexpr int64_t kUnset = -1;
// The failure memo is left out when it would need more bits than this.
constexpr size_t kMemoBits = size_t{1} << 25;

}  // namespace

std::optional<SearchMatch> PatternMatcher::find(const PatternProgram& program, MatchText& text, int from,
                                                SearchDirection direction, const WordSeparators* wholeWords) {
  program_ = &program;
  text_ = &text;
  wholeWords_ = wholeWords;
  steps_ = 0;
  memoReady_ = false;
  const int64_t length = text.lineLength();
  const std::string_view line = text.line();
  const PatternStarts& starts = program.starts;
  if (direction == SearchDirection::kForward) {
    for (size_t start = static_cast<size_t>(std::max(from, 0)); steps_ <= kStepBudget; ++start) {
      start = starts.next(line, start);
      if (start == std::string_view::npos || (program.anchored && start > 0)) break;
      if (tryAt(static_cast<int64_t>(start))) return matchFrom(static_cast<int64_t>(start));
    }
    return std::nullopt;
  }
  if (from < 0) return std::nullopt;
  for (size_t start = static_cast<size_t>(std::min<int64_t>(from, length)); steps_ <= kStepBudget; --start) {
    start = starts.previous(line, program.anchored ? 0 : start);
    if (start == std::string_view::npos) break;
    if (tryAt(static_cast<int64_t>(start))) return matchFrom(static_cast<int64_t>(start));
    if (start == 0) break;
  }
  return std::nullopt;
}

bool PatternMatcher::tryAt(int64_t start) {
  if (wholeWords_ && !isWordEdge(*wholeWords_, start > 0 ? text_->at(start - 1) : MatchText::kNoByte))
    return false;
  if (!memoReady_) {
    prepareMemo();
    memoReady_ = true;
  }
  return run(start);
}

void PatternMatcher::prepareMemo() {
  memoColumns_ = text_->lineLength() + 1;
  size_t bits = program_->code.size() * static_cast<size_t>(memoColumns_);
  useMemo_ = !program_->hasBackReference && bits <= kMemoBits;
  if (!useMemo_) return;
  size_t words = (bits + 63) / 64;
  if (memo_.size() < words) memo_.resize(words);
  std::fill_n(memo_.begin(), words, 0);
}

// Failure at an instruction and a column depends on nothing else while no
// back reference reads the registers, so a second visit can only fail again.
// Marks the pair visited.
bool PatternMatcher::visitedBefore(uint32_t pc, int64_t at) {
  if (!useMemo_ || at >= memoColumns_) return false;
  size_t bit = pc * static_cast<size_t>(memoColumns_) + static_cast<size_t>(at);
  uint64_t mask = uint64_t{1} << (bit % 64);
  uint64_t& word = memo_[bit / 64];
  if (word & mask) return true;
  word |= mask;
  return false;
}

bool PatternMatcher::run(int64_t start) {
  stack_.clear();
  registers_.fill(kUnset);
  uint32_t pc = 0;
  int64_t at = start;
  for (;;) {
    if (++steps_ > kStepBudget) return false;
    if (program_->code[pc].op == PatternOp::kMatch && endsWord(at)) {
      end_ = at;
      return true;
    }
    if (!execute(pc, at) && !backtrack(pc, at)) return false;
  }
}

bool PatternMatcher::endsWord(int64_t at) { return !wholeWords_ || isWordEdge(*wholeWords_, text_->at(at)); }

bool PatternMatcher::execute(uint32_t& pc, int64_t& at) {
  if (visitedBefore(pc, at)) return false;
  const PatternInstruction& in = program_->code[pc];
  switch (in.op) {
    case PatternOp::kChar:
    case PatternOp::kAny:
    case PatternOp::kClass:
      if (in.repeat != PatternRepeat::kOnce) {
        if (!repeatItem(in, pc, at)) return false;
      } else {
        if (!itemAt(in, at)) return false;
        ++at;
      }
      break;
    case PatternOp::kBackReference:
      if (!repeatGroup(in, pc, at)) return false;
      break;
    case PatternOp::kLineStart:
      if (!text_->isLineStart(at)) return false;
      break;
    case PatternOp::kLineEnd:
      if (!text_->isLineEnd(at)) return false;
      break;
    case PatternOp::kSave:
      stack_.push_back({FrameKind::kRestore, in.arg, registers_[in.arg], 0, 0});
      registers_[in.arg] = at;
      break;
    case PatternOp::kSplit:
      stack_.push_back({FrameKind::kAlternative, in.arg, at, 0, 0});
      break;
    case PatternOp::kJump:
      pc = in.arg;
      return true;
    case PatternOp::kMatch:
      return false;  // reached only when the match does not end a word
  }
  ++pc;
  return true;
}

bool PatternMatcher::backtrack(uint32_t& pc, int64_t& at) {
  while (!stack_.empty()) {
    Frame frame = stack_.back();
    stack_.pop_back();
    switch (frame.kind) {
      case FrameKind::kRestore:
        registers_[frame.arg] = frame.position;
        break;
      case FrameKind::kAlternative:
        pc = frame.arg;
        at = frame.position;
        return true;
      case FrameKind::kFewer: {
        int64_t shorter = frame.position - frame.step;
        if (frame.step == 1) shorter = skipToNextByte(frame.arg + 1, shorter, frame.least);
        if (shorter > frame.least)
          stack_.push_back({FrameKind::kFewer, frame.arg, shorter, frame.least, frame.step});
        pc = frame.arg + 1;
        at = shorter;
        return true;
      }
    }
  }
  return false;
}

// Longest first: the repeat takes all it can and leaves a frame to give
// back one item at a time.
bool PatternMatcher::repeatItem(const PatternInstruction& in, uint32_t pc, int64_t& at) {
  if (in.repeat == PatternRepeat::kAtLeastOnce) {
    if (!itemAt(in, at)) return false;
    ++at;
  }
  const int64_t least = at;
  if (useMemo_)
    at = rememberedRun(in, pc, at);
  else if (in.op == PatternOp::kAny)
    at = text_->endOfLine(at);  // ? takes every byte of a line and never its end
  else
    while (itemAt(in, at)) ++at;
  steps_ += at - least;
  if (at > least) stack_.push_back({FrameKind::kFewer, pc, at, least, 1});
  return true;
}

// Had this repeat failed from a column inside its run, every ending from
// there on has been tried: the run stops short of it. The columns it passes
// are marked, since from them it could only try fewer endings.
int64_t PatternMatcher::rememberedRun(const PatternInstruction& in, uint32_t pc, int64_t at) {
  const bool atLeastOnce = in.repeat == PatternRepeat::kAtLeastOnce;
  if (atLeastOnce && visitedBefore(pc, at)) return at;
  while (itemAt(in, at)) {
    if (visitedBefore(pc, at + 1)) return atLeastOnce ? at + 1 : at;
    ++at;
  }
  return at;
}

bool PatternMatcher::repeatGroup(const PatternInstruction& in, uint32_t pc, int64_t& at) {
  const int64_t groupStart = registers_[groupStartRegister(static_cast<int>(in.arg))];
  const int64_t groupEnd = registers_[groupEndRegister(static_cast<int>(in.arg))];
  if (groupStart == kUnset || groupEnd == kUnset) return false;
  const int64_t length = groupEnd - groupStart;
  if (length > 0) {
    if (in.repeat != PatternRepeat::kAnyNumber) {
      if (!groupTextAt(groupStart, length, at)) return false;
      at += length;
    }
    if (in.repeat != PatternRepeat::kOnce) {
      const int64_t least = at;
      while (groupTextAt(groupStart, length, at)) at += length;
      if (at > least) stack_.push_back({FrameKind::kFewer, pc, at, least, length});
    }
  }
  return true;
}

bool PatternMatcher::itemAt(const PatternInstruction& in, int64_t at) {
  int c = text_->at(at);
  if (c == MatchText::kNoByte) return false;
  if (c == MatchText::kLineEnd) return in.op == PatternOp::kClass && program_->classes[in.arg].lineEnd;
  unsigned char folded = program_->fold[c];
  switch (in.op) {
    case PatternOp::kChar: return folded == in.arg;
    case PatternOp::kClass: return program_->classes[in.arg].bytes[folded];
    default: return true;  // ?
  }
}

bool PatternMatcher::groupTextAt(int64_t groupStart, int64_t length, int64_t at) {
  steps_ += length;
  for (int64_t i = 0; i < length; ++i) {
    int want = text_->at(groupStart + i);
    int have = text_->at(at + i);
    if (want == have) continue;
    if (want < 0 || have < 0 || want > 255 || have > 255 || program_->fold[want] != program_->fold[have])
      return false;
  }
  return true;
}

// After a repeat comes a known byte: giving back items where that byte does
// not stand cannot succeed, so they are given back all at once.
int64_t PatternMatcher::skipToNextByte(uint32_t next, int64_t from, int64_t least) {
  const PatternInstruction& in = program_->code[next];
  if (in.op != PatternOp::kChar || in.repeat == PatternRepeat::kAnyNumber) return from;
  int64_t at = from;
  while (at > least && !itemAt(in, at)) --at;
  steps_ += from - at;
  return at;
}

SearchMatch PatternMatcher::matchFrom(int64_t start) const {
  SearchMatch match;
  match.whole = {text_->pointAt(start), text_->pointAt(end_)};
  if (registers_[kCursorRegister] != kUnset) match.cursor = text_->pointAt(registers_[kCursorRegister]);
  for (int group = 1; group <= kMaxPatternGroups; ++group) {
    int64_t groupStart = registers_[groupStartRegister(group)];
    int64_t groupEnd = registers_[groupEndRegister(group)];
    if (groupStart != kUnset && groupEnd != kUnset)
      match.groups[group - 1] = TextSpan{text_->pointAt(groupStart), text_->pointAt(groupEnd)};
  }
  return match;
}

}  // namespace tarn
