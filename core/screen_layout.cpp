#include "core/screen_layout.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/editor.h"

namespace tarn {

namespace {

// A data window over the given rectangle, with the command line and the
// status line taken from its bottom.
ViewArea viewIn(int left, int top, int columns, int rows, bool commandLine, bool statusLine) {
  ViewArea v;
  v.left = left;
  v.top = top;
  v.columns = std::max(1, columns);
  int below = (commandLine ? 1 : 0) + (statusLine ? 1 : 0);
  v.rows = std::max(1, rows - below);
  int bottom = top + std::max(1, rows) - 1;
  if (statusLine) v.statusRow = bottom;
  if (commandLine) v.commandRow = statusLine ? bottom - 1 : bottom;
  return v;
}

}  // namespace

ScreenLayout computeLayout(ConsoleSize size, SplitMode split, bool tabRow, bool commandLine,
                           bool statusLine) {
  ScreenLayout l;
  l.size = size;
  l.tabRow = tabRow;
  l.split = split;
  int top = tabRow ? 1 : 0;
  int rows = size.rows - top;
  switch (split) {
    case SplitMode::None:
      l.views[0] = viewIn(0, top, size.columns, rows, commandLine, statusLine);
      break;
    case SplitMode::TopBottom: {
      int first = rows / 2;
      l.separator = top + first;
      l.views[0] = viewIn(0, top, size.columns, first, commandLine, statusLine);
      l.views[1] =
          viewIn(0, l.separator + 1, size.columns, rows - first - 1, commandLine, statusLine);
      break;
    }
    case SplitMode::LeftRight: {
      int first = size.columns / 2;
      l.separator = first;
      l.views[0] = viewIn(0, top, first, rows, commandLine, statusLine);
      l.views[1] = viewIn(first + 1, top, size.columns - first - 1, rows, commandLine, statusLine);
      break;
    }
  }
  return l;
}

void Screen::layout() { applyLayout(false); }

void Screen::setSplitMode(SplitMode mode) {
  split_ = mode;
  applyLayout(false);
}

void Screen::applyLayout(bool forceRedraw) {
  const Settings& settings = editor_.settings;
  SlotTable& slots = editor_.slots;
  std::vector<int> used = slots.used();
  auto firstViews =
      std::count_if(used.begin(), used.end(), [&](int s) { return !slots.isSecondView(s); });
  ScreenLayout next =
      computeLayout(editor_.console.size(), split_, settings.tabbed && firstViews >= 2,
                    settings.commandLine, settings.statusLine);

  // A document shown in both views gets the smaller size, so that its
  // cursor line is inside either window.
  std::map<Document*, std::pair<int, int>> sizes;
  for (int s : used) {
    const ViewArea& area =
        next.views[next.split != SplitMode::None && slots.isSecondView(s) ? 1 : 0];
    WindowRecord& data = slots.data(s);
    data.left = area.left;
    data.top = area.top;
    data.columns = area.columns;
    data.rows = area.rows;
    WindowRecord& command = slots.command(s);
    command.left = area.left;
    command.top = area.commandRow >= 0 ? area.commandRow : area.top + area.rows;
    command.columns = area.columns;
    command.rows = area.commandRow >= 0 ? 1 : 0;
    if (data.document) {
      auto [it, fresh] = sizes.try_emplace(data.document, area.columns, area.rows);
      if (!fresh)
        it->second = {std::min(it->second.first, area.columns),
                      std::min(it->second.second, area.rows)};
    }
    if (command.document)
      editor_.engine.send(command.document, msg::kSetWindowSize, area.columns, 1);
  }
  for (auto& [doc, size] : sizes)
    editor_.engine.send(doc, msg::kSetWindowSize, size.first, size.second);

  bool changed = !(next == layout_);
  layout_ = next;
  if (changed || forceRedraw) redraw(true);
}

int Screen::slotInView(int view) const {
  const SlotTable& slots = editor_.slots;
  if (view < 0 || view >= layout_.viewCount()) return -1;
  int current = slots.current();
  if (layout_.split == SplitMode::None) return slots.inUse(current) ? current : -1;
  bool second = view == 1;
  if (slots.inUse(current) && slots.isSecondView(current) == second) return current;
  int remembered = shown_[view];
  if (slots.inUse(remembered) && slots.isSecondView(remembered) == second) return remembered;
  const std::vector<int>& ring = slots.ring(second);
  return ring.empty() ? -1 : ring.front();
}

int Screen::viewOfSlot(int slot) const {
  if (slot < 0) return -1;
  for (int view = 0; view < layout_.viewCount(); ++view)
    if (slotInView(view) == slot) return view;
  return -1;
}

int Screen::currentViewIndex() const { return std::max(0, viewOfSlot(editor_.slots.current())); }

void Screen::noteShownSlots() {
  for (int view = 0; view < 2; ++view) shown_[view] = slotInView(view);
}

}  // namespace tarn
