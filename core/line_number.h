// Line numbers of two kinds, kept apart by their types. A line index is the
// text store's own count: the top-of-file line is 1 (a command line's only
// line is 1 too), so the first text line is 2. A user line number is what
// the user sees and types: the first text line is 1, the top-of-file line 0.
// The conversion between them is made here and nowhere else.
#pragma once
#include <compare>
#include <ostream>

namespace tarn {

class LineIndex {
 public:
  constexpr LineIndex() = default;
  constexpr explicit LineIndex(int n) : n_(n) {}
  constexpr int value() const { return n_; }

  // Moving by a number of lines, and the distance between two lines.
  constexpr LineIndex operator+(int lines) const { return LineIndex(n_ + lines); }
  constexpr LineIndex operator-(int lines) const { return LineIndex(n_ - lines); }
  constexpr int operator-(LineIndex other) const { return n_ - other.n_; }
  constexpr LineIndex& operator+=(int lines) {
    n_ += lines;
    return *this;
  }
  constexpr LineIndex& operator-=(int lines) {
    n_ -= lines;
    return *this;
  }
  constexpr LineIndex& operator++() { return *this += 1; }
  constexpr LineIndex& operator--() { return *this -= 1; }
  constexpr auto operator<=>(const LineIndex&) const = default;

 private:
  int n_ = 0;  // 0: no line
};

class UserLine {
 public:
  constexpr explicit UserLine(int n) : n_(n) {}
  constexpr int value() const { return n_; }
  constexpr auto operator<=>(const UserLine&) const = default;

 private:
  int n_;
};

constexpr UserLine toUser(LineIndex index) { return UserLine(index.value() - 1); }
constexpr LineIndex toIndex(UserLine line) { return LineIndex(line.value() + 1); }

// The first line of the store: the top-of-file line, or a command line's line.
inline constexpr LineIndex kFirstLine{1};

inline std::ostream& operator<<(std::ostream& out, LineIndex index) { return out << "index " << index.value(); }

}  // namespace tarn
