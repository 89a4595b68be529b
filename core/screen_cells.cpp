#include "core/screen_cells.h"

#include <algorithm>

namespace tarn {

void ScreenCells::reset(ConsoleSize size) {
  size_ = size;
  cells_.assign(static_cast<size_t>(std::max(0, size.columns)) * std::max(0, size.rows), Cell{});
}

void ScreenCells::put(Console& console, int column, int row, std::string_view text,
                      std::span<const Attribute> attrs, bool frame) {
  if (row < 0 || row >= size_.rows) return;
  size_t n = std::min(text.size(), attrs.size());
  size_t skip = column < 0 ? static_cast<size_t>(-column) : 0;
  if (skip >= n || column >= size_.columns) return;
  column += static_cast<int>(skip);
  n = std::min(n - skip, static_cast<size_t>(size_.columns - column));
  text = text.substr(skip, n);
  attrs = attrs.subspan(skip, n);

  Kind kind = frame ? Kind::Frame : Kind::Text;
  Cell* cells = &cells_[static_cast<size_t>(row) * size_.columns + column];
  bool same = true;
  for (size_t i = 0; i < n && same; ++i)
    same = cells[i].kind == kind && cells[i].ch == text[i] && cells[i].attr == attrs[i];
  if (same) return;

  for (size_t start = 0; start < n;) {
    size_t end = start + 1;
    while (end < n && attrs[end] == attrs[start]) ++end;
    std::string_view run = text.substr(start, end - start);
    if (frame)
      console.writeFrame(column + static_cast<int>(start), row, run, attrs[start]);
    else
      console.write(column + static_cast<int>(start), row, run, attrs[start]);
    start = end;
  }
  for (size_t i = 0; i < n; ++i) cells[i] = Cell{text[i], attrs[i], kind};
}

void ScreenCells::put(Console& console, int column, int row, std::string_view text, Attribute attr,
                      bool frame) {
  std::vector<Attribute> attrs(text.size(), attr);
  put(console, column, row, text, attrs, frame);
}

}  // namespace tarn
