// What a search finds: where a match starts and ends, the groups of a
// pattern and the place of its cursor marker. A match starts on the line
// searched; a pattern whose class takes a line end runs on to later lines.
#pragma once
#include <array>
#include <optional>

namespace tarn {

enum class SearchDirection { kForward, kBackward };

// A byte column on the line searched (line 0) or on the line-th line after it.
struct TextPoint {
  int line = 0;
  int column = 0;
  bool operator==(const TextPoint&) const = default;
};

struct TextSpan {
  TextPoint start;
  TextPoint end;  // one past the last byte
  bool operator==(const TextSpan&) const = default;
};

constexpr int kMaxPatternGroups = 9;

struct SearchMatch {
  TextSpan whole;                   // whole.start.line is 0
  std::optional<TextPoint> cursor;  // where \c stood, when the pattern has one
  std::array<std::optional<TextSpan>, kMaxPatternGroups> groups;  // \1 to \9; empty when not matched
};

}  // namespace tarn
