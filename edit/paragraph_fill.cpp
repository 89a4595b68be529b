#include "edit/paragraph_fill.h"

#include <algorithm>
#include <optional>

namespace tarn {

namespace {

bool holdsTab(std::string_view text) { return text.find('\t') != std::string_view::npos; }

// The output being built: the line under way and the lines finished.
class Filler {
 public:
  Filler(const FillLayout& layout, JustifyRounding& rounding)
      : layout_(layout), rounding_(rounding), line_(static_cast<size_t>(std::max(layout.firstIndent, 0)), ' '),
        column_(static_cast<int>(line_.size())) {}

  // Appends a word after the separator, or at the start of a new line when
  // it does not fit; returns the byte the word starts at.
  size_t place(std::string_view separator, std::string_view word) {
    if (holdsText_) {
      int start = columnAfter(separator, column_);
      size_t bytes = line_.size() + separator.size() + word.size();
      if (columnAfter(word, start) > layout_.rightMargin || bytes >= static_cast<size_t>(layout_.longestLine)) {
        finishLine(true);
      } else {
        line_ += separator;
        column_ = start;
      }
    }
    size_t at = line_.size();
    line_ += word;
    column_ = columnAfter(word, column_);
    holdsText_ = true;
    return at;
  }

  size_t lineNumber() const { return lines_.size(); }
  size_t lineSize() const { return line_.size(); }
  void setCursor(TextPlace place) { cursor_ = place; }
  bool cursorSet() const { return cursor_.has_value(); }

  FilledParagraph finish() {
    finishLine(false);
    return {std::move(lines_), cursor_.value_or(TextPlace{})};
  }

 private:
  int columnAfter(std::string_view text, int column) const {
    for (char c : text) column = tarn::columnAfter(c, column, layout_.rule);
    return column;
  }

  void finishLine(bool justify) {
    line_.erase(line_.find_last_not_of(" \t") + 1);
    if (justify && layout_.justify) {
      if (std::optional<std::string> spread = justified(line_, layout_.rightMargin, rounding_)) {
        if (cursor_ && cursor_->line == lines_.size())
          cursor_->byte = placeAfterBlankChange(line_, *spread, cursor_->byte);
        line_ = std::move(*spread);
      }
    }
    lines_.push_back(std::move(line_));
    line_.assign(static_cast<size_t>(std::max(layout_.indent, 0)), ' ');
    column_ = static_cast<int>(line_.size());
    holdsText_ = false;
  }

  const FillLayout& layout_;
  JustifyRounding& rounding_;
  std::vector<std::string> lines_;
  std::string line_;
  int column_;
  bool holdsText_ = false;
  std::optional<TextPlace> cursor_;
};

}  // namespace

FilledParagraph fillParagraph(std::span<const std::string_view> input, const FillLayout& layout,
                              TextPlace cursor, JustifyRounding& rounding) {
  Filler out(layout, rounding);
  // What goes before the next word when it does not start a line.
  std::string separator = " ";
  for (size_t k = 0; k < input.size(); ++k) {
    std::string_view text = input[k];
    bool cursorHere = cursor.line == k;
    size_t end = 0;  // of the last word of this line
    for (size_t i = 0;;) {
      size_t start = i;
      while (start < text.size() && isWhite(text[start])) ++start;
      if (start == text.size()) break;
      if (end > 0) {
        std::string_view white = text.substr(i, start - i);
        separator = !layout.singleBlank ? std::string(white) : holdsTab(white) ? "\t" : " ";
      }
      end = start;
      while (end < text.size() && !isWhite(text[end])) ++end;
      size_t at = out.place(separator, text.substr(start, end - start));
      if (cursorHere && !out.cursorSet() && cursor.byte < end)
        out.setCursor({out.lineNumber(), at + (cursor.byte > start ? cursor.byte - start : 0)});
      i = end;
    }
    if (cursorHere && !out.cursorSet())
      out.setCursor({out.lineNumber(), out.lineSize() + (cursor.byte > end ? 1 : 0)});
    // A word at the end of a line brings along the white space after it, or one blank.
    std::string_view trailing = text.substr(std::min(end, text.size()));
    separator = layout.singleBlank || trailing.empty() ? " " : std::string(trailing);
  }
  return out.finish();
}

}  // namespace tarn
