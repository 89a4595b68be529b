// The marked text as the clipboard functions and `append` take it: copied
// into the line buffer first, as every block function copies it.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

namespace tarn {

struct Document;
struct Editor;

// The kind of text the line buffer holds.
namespace copied {
constexpr int kCharacters = 1;
constexpr int kBlock = 2;
constexpr int kLines = 32;  // and 33
}  // namespace copied

struct MarkedText {
  Document* holder = nullptr;  // the file that holds the mark
  int kind = 0;                // copied::
  // The line buffer's lines, valid until the buffer changes.
  std::vector<std::string_view> lines;
  // False when the last line had no line end in its file.
  bool lastLineEnded = true;
};

// Copies the text of the mark, wherever it is, into the line buffer and
// tells it; nothing when no file holds a mark.
std::optional<MarkedText> copyMarkedText(Editor& editor);

}  // namespace tarn
