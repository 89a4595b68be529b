#include "command/list_window.h"

#include <algorithm>

#include "core/border_map.h"
#include "core/editor.h"
#include "core/update_batch.h"
#include "core/window_painter.h"
#include "platform/vk.h"

namespace tarn::command {

namespace {

using readkey::kEnter;
using readkey::kEscape;

struct ListBox {
  int left;
  int top;
  int width;
  int rows;  // entries shown at once
};

ListBox placeBox(const Editor& editor, std::string_view title, const std::vector<std::string>& entries) {
  ConsoleSize size = editor.screen.currentLayout().size;
  size_t widest = title.size() + 4;
  for (const std::string& e : entries) widest = std::max(widest, e.size());
  int width = std::clamp(static_cast<int>(widest) + 2, std::min(12, size.columns), size.columns);
  int rows = std::clamp(static_cast<int>(entries.size()), 1, std::max(1, size.rows - 4));
  return {(size.columns - width) / 2, std::max(0, (size.rows - rows - 2) / 2), width, rows};
}

std::string frameRow(const ListBox& box, char left, char right, char fill) {
  std::string row(static_cast<size_t>(box.width), fill);
  row.front() = left;
  row.back() = right;
  return row;
}

// A label in the middle of a frame row, with a blank either side.
void frameLabel(Screen& screen, const ListBox& box, int row, std::string_view label, Attribute attr) {
  if (box.width <= 4) return;
  std::string shown = " " + std::string(label.substr(0, box.width - 4)) + " ";
  screen.writeText(box.left + (box.width - static_cast<int>(shown.size())) / 2, row, shown, attr);
}

void paint(Editor& editor, const ListBox& box, std::string_view title, std::string_view button,
           const std::vector<std::string>& entries, size_t first, size_t chosen) {
  Screen& screen = editor.screen;
  std::string_view f = builtInBorders();
  Attribute attr = screen.messageAttribute();
  Attribute selected = swappedColours(attr);
  screen.writeFrameText(box.left, box.top,
                        frameRow(box, f[border::kTopLeft], f[border::kTopRight], f[border::kHorizontal]), attr);
  frameLabel(screen, box, box.top, title, attr);
  for (int r = 0; r < box.rows; ++r) {
    size_t index = first + static_cast<size_t>(r);
    std::string text = index < entries.size() ? entries[index] : std::string();
    text.resize(static_cast<size_t>(box.width - 2), ' ');
    int row = box.top + 1 + r;
    screen.writeFrameText(box.left, row, std::string(1, f[border::kVertical]), attr);
    screen.writeText(box.left + 1, row, text, index == chosen ? selected : attr);
    screen.writeFrameText(box.left + box.width - 1, row, std::string(1, f[border::kVertical]), attr);
  }
  int bottom = box.top + 1 + box.rows;
  screen.writeFrameText(box.left, bottom,
                        frameRow(box, f[border::kBottomLeft], f[border::kBottomRight], f[border::kHorizontal]),
                        attr);
  frameLabel(screen, box, bottom, "[" + std::string(button) + "]  Esc", attr);
  editor.console.setCursorPosition(box.left + 1, box.top + 1 + static_cast<int>(chosen - first));
  editor.console.flush();
}

}  // namespace

std::optional<size_t> chooseFromList(Editor& editor, std::string_view title, std::string_view button,
                                     const std::vector<std::string>& entries) {
  if (entries.empty()) return std::nullopt;
  UpdatesShown shown(editor);
  ListBox box = placeBox(editor, title, entries);
  const size_t page = static_cast<size_t>(box.rows);
  const size_t last = entries.size() - 1;
  size_t chosen = 0;
  size_t first = 0;
  std::optional<size_t> result;
  for (bool open = true; open;) {
    first = std::clamp(first, chosen >= page ? chosen - page + 1 : 0, chosen);
    paint(editor, box, title, button, entries, first, chosen);
    int key = editor.input.readKey();
    switch (key) {
      case kEnter: result = chosen; open = false; break;
      case kEscape:
      case -1: open = false; break;
      case vk::kUp * 256: chosen = chosen > 0 ? chosen - 1 : 0; break;
      case vk::kDown * 256: chosen = std::min(last, chosen + 1); break;
      case vk::kPrior * 256: chosen = chosen > page ? chosen - page : 0; break;
      case vk::kNext * 256: chosen = std::min(last, chosen + page); break;
      case vk::kHome * 256: chosen = 0; break;
      case vk::kEnd * 256: chosen = last; break;
      default: break;
    }
  }
  editor.screen.redraw(true);
  return result;
}

}  // namespace tarn::command
