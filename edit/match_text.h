// The text a match is read from: the line searched and, read on demand
// from a LineSource, the lines after it. Positions run through it as one
// sequence of offsets in which each line end takes one offset, so that a
// match running on to the next line moves on like any other.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "edit/line_source.h"
#include "edit/search_match.h"

namespace tarn {

class MatchText {
 public:
  static constexpr int kLineEnd = 256;  // at the end of a line that has a line after it
  static constexpr int kNoByte = -1;    // at the end of the last line

  void reset(std::string_view line, LineSource* following);

  std::string_view line() const { return first_; }
  int64_t lineLength() const { return static_cast<int64_t>(first_.size()); }

  // The byte at offset (0 to 255), kLineEnd or kNoByte. Reads the next
  // line when offset is the end of the last line read so far.
  int at(int64_t offset) {
    if (offset < lineLength()) return static_cast<unsigned char>(first_[offset]);
    return beyondLine(offset);
  }

  bool isLineStart(int64_t offset) const { return offset == pieceAt(offset).start; }
  bool isLineEnd(int64_t offset) const { return offset == endOfLine(offset); }
  int64_t endOfLine(int64_t offset) const { return pieceAt(offset).end(); }

  TextPoint pointAt(int64_t offset) const;
  int64_t offsetOf(TextPoint point) const { return pieces_[point.line].start + point.column; }

  // Appends the text from one point to another, a line feed for each line end.
  void append(TextPoint from, TextPoint to, std::string& out) const;

 private:
  struct Piece {
    std::string_view text;
    int64_t start;
    int64_t end() const { return start + static_cast<int64_t>(text.size()); }
  };

  int beyondLine(int64_t offset);
  size_t pieceIndex(int64_t offset) const;
  const Piece& pieceAt(int64_t offset) const { return pieces_[pieceIndex(offset)]; }

  std::string_view first_;
  std::vector<Piece> pieces_;  // [0] is the line searched
  LineSource* following_ = nullptr;
};

}  // namespace tarn
