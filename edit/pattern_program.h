// A compiled pattern: a program for the backtracking matcher. Alternatives
// become splits and jumps; a repeated element carries its repeat itself, so
// that the program has no loops and every path through it is short.
#pragma once
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "edit/pattern_starts.h"
#include "edit/search_match.h"

namespace tarn {

enum class PatternOp : uint8_t {
  kChar,           // arg: the byte (upper-cased when case is ignored)
  kAny,            // ?
  kClass,          // arg: index into classes
  kBackReference,  // arg: group number
  kLineStart,      // ^
  kLineEnd,        // $
  kSave,           // arg: register that takes the position (group edges, cursor marker)
  kSplit,          // go on with the next instruction; on failure, try arg
  kJump,           // arg: next instruction
  kMatch,
};

enum class PatternRepeat : uint8_t { kOnce, kAnyNumber, kAtLeastOnce };

struct PatternInstruction {
  PatternOp op;
  PatternRepeat repeat = PatternRepeat::kOnce;
  uint32_t arg = 0;
};

struct CharClass {
  std::bitset<256> bytes;
  bool lineEnd = false;  // the class lists a line feed: it takes the end of a line
};

// Registers: the start and end of each group, then the cursor marker.
constexpr uint32_t groupStartRegister(int group) { return 2 * (group - 1); }
constexpr uint32_t groupEndRegister(int group) { return 2 * (group - 1) + 1; }
constexpr uint32_t kCursorRegister = 2 * kMaxPatternGroups;
constexpr size_t kPatternRegisters = kCursorRegister + 1;

// Generous: any search text of up to 1023 characters fits.
constexpr size_t kMaxPatternInstructions = 4096;

struct PatternProgram {
  std::vector<PatternInstruction> code;
  std::vector<CharClass> classes;
  std::array<unsigned char, 256> fold;  // text bytes as the program compares them
  bool hasBackReference = false;
  bool anchored = false;  // starts with ^: only column 0 can start a match
  PatternStarts starts;
};

}  // namespace tarn
