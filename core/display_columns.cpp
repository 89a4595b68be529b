#include "core/display_columns.h"

#include "core/engine.h"
#include "core/options.h"

namespace tarn {

namespace {

bool expandsTabs(std::string_view text, const ColumnRule& rule) {
  return rule.keepTabs && text.find('\t') != std::string_view::npos;  // an empty view may hold no pointer
}

}  // namespace

ColumnRule columnRule(const Engine& engine, const Document& doc) {
  return {&engine.tabStops(), doc.option(opt::kKeepTabs) != 0};
}

int columnAfter(char c, int column, const ColumnRule& rule) {
  if (c != '\t' || !rule.keepTabs) return column + 1;
  int stop = nextTabStop(*rule.stops, column);
  return stop < 0 ? column + 1 : stop;
}

int columnOf(std::string_view text, size_t index, const ColumnRule& rule) {
  if (index > text.size()) index = text.size();
  if (!expandsTabs(text.substr(0, index), rule)) return static_cast<int>(index);
  int column = 0;
  for (size_t i = 0; i < index; ++i) column = columnAfter(text[i], column, rule);
  return column;
}

int displayWidth(std::string_view text, const ColumnRule& rule) {
  return columnOf(text, text.size(), rule);
}

TextPosition positionAt(std::string_view text, int column, const ColumnRule& rule) {
  if (column < 0) column = 0;
  if (!expandsTabs(text, rule)) {
    auto size = static_cast<int>(text.size());
    return column < size ? TextPosition{static_cast<size_t>(column), 0}
                         : TextPosition{text.size(), column - size};
  }
  int start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    int next = columnAfter(text[i], start, rule);
    if (column < next) return {i, 0};
    start = next;
  }
  return {text.size(), column - start};
}

}  // namespace tarn
