// Where a match of a compiled pattern can start: the bytes its first
// element takes, worked out once, so that the matcher is only started
// where one of them stands.
#pragma once
#include <bitset>
#include <cstddef>
#include <optional>
#include <string_view>

#include "edit/byte_scan.h"

namespace tarn {

struct PatternProgram;

class PatternStarts {
 public:
  explicit PatternStarts(const PatternProgram& program);
  PatternStarts() = default;  // anywhere

  // The first column at or after from, or the last at or before it, where a
  // match can start (the line's length for its end); npos when there is none.
  size_t next(std::string_view line, size_t from) const;
  size_t previous(std::string_view line, size_t from) const;

 private:
  bool anywhere_ = true;  // the pattern can match nothing, or the first element is not known
  std::bitset<256> bytes_;
  bool lineEnd_ = false;            // a match can start at the end of the line
  std::optional<ByteToFind> only_;  // bytes_ holds one byte (in either case)
};

}  // namespace tarn
