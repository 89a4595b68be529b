// What an evaluation reaches outside itself: the text of the current file
// (for `$`) and the user (for a variable not yet known). The editor gives
// its document and prompt line; tests give a fake.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarn::calc {

// A place in the text: line in user numbering (the first text line is 1)
// and column, both from 1.
struct TextPlace {
  int line = 1;
  int column = 1;
  bool operator==(const TextPlace&) const = default;
};

class Context {
 public:
  virtual ~Context() = default;

  virtual TextPlace cursor() const = 0;
  // The text of a line from a column on; empty when the line is shorter or
  // there is no such line. Read at once: the view may end with the next call.
  virtual std::string_view textFrom(TextPlace place) const = 0;
  // Asks the user for the value of a variable; nothing when cancelled.
  virtual std::optional<std::string> askValue(std::string_view name) = 0;
};

}  // namespace tarn::calc
