// The marked text as the clipboard functions and `append` take it: copied
// into the line buffer first, as every block function copies it.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

namespace tarn {

struct Document;
struct Editor;

struct MarkedText {
  Document* holder = nullptr;  // the file that holds the mark
  int kind = 0;                // what the line buffer holds (bufferkind)
  // The line buffer's lines, valid until the buffer changes.
  std::vector<std::string_view> lines;
  // False when the last marked line of a line mark had no line end in its file.
  bool lastLineEnded = true;
};

// Copies the text of the mark, wherever it is, into the line buffer and
// tells it; nothing when no file holds a mark.
std::optional<MarkedText> copyMarkedText(Editor& editor);

}  // namespace tarn
