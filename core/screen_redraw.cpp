// Painting the windows, the tab row and the split separator.
#include <algorithm>

#include "core/border_map.h"
#include "core/editor.h"
#include "core/file_tabs.h"
#include "core/function_codes.h"
#include "core/view_placement.h"
#include "core/window_painter.h"

namespace tarn {

void Screen::redraw(bool slotChanged) {
  if (suspended()) return;
  int current = currentViewIndex();
  for (int view = 0; view < layout_.viewCount(); ++view)
    if (slotChanged || view == current) paintView(view);
  paintTabRow();
  paintSeparator();
  updateTitle();
  noteShownSlots();
  placeCursor();
}

void Screen::setFoundHighlight(bool on) {
  if (on == foundHighlight_) return;
  foundHighlight_ = on;
  redraw(true);
}

void Screen::paintWindow(Document& doc, int firstRow, int lastRow) {
  if (suspended()) return;
  for (int view = 0; view < layout_.viewCount(); ++view) {
    int slot = slotInView(view);
    if (slot < 0) continue;
    if (editor_.slots.data(slot).document == &doc)
      paintData(slot, layout_.views[view], firstRow, lastRow);
    if (editor_.slots.command(slot).document == &doc) paintCommand(slot, layout_.views[view]);
  }
  placeCursor();
}

void Screen::paintView(int view) {
  const ViewArea& area = layout_.views[view];
  int slot = slotInView(view);
  if (slot >= 0) {
    paintData(slot, area, 0, area.rows - 1);
    paintCommand(slot, area);
  } else {
    std::string blank(area.columns, ' ');
    for (int row = 0; row < area.rows; ++row)
      writeText(area.left, area.top + row, blank, textAttribute());
    if (area.commandRow >= 0) writeText(area.left, area.commandRow, blank, commandLineAttribute());
  }
  paintStatus(view);
}

void Screen::paintData(int slot, const ViewArea& area, int firstRow, int lastRow) {
  const SlotTable& slots = editor_.slots;
  const Settings& settings = editor_.settings;
  Document* doc = slots.data(slot).document;
  if (!doc) return;
  placeCurrentLine(*doc);

  RowStyle style;
  style.text = textAttribute();
  style.mark = markAttribute();
  style.showBookmarks = doc->option(opt::kShowBookmarks) != 0;
  bool current = slot == slots.current();
  style.highlightCurrentLine = current && settings.currentLine;
  if (current && settings.currentPos && !slots.cursorInFile(slot)) {
    style.cursorCellRow = doc->currentLineNumber - doc->view.topLineNumber;
    style.cursorCellColumn = doc->cursorColumn - doc->view.leftColumn;
  }
  style.expandTabs = doc->option(opt::kKeepTabs) != 0;
  style.tabWidth = settings.tabExpand;
  style.tabFill = static_cast<char>(doc->option(opt::kTabFill));
  style.syntax = syntax_;
  style.keywordSet = slots.data(slot).keywordSet();
  if (foundHighlight_) {
    Engine& engine = editor_.engine;
    style.findFound = [&engine, doc](std::string_view text) -> std::optional<std::pair<int, int>> {
      int found = engine.send(doc, fn::kFindInText, static_cast<intptr_t>(text.size()),
                              reinterpret_cast<intptr_t>(text.data()));
      if (found < 0) return std::nullopt;
      return std::pair<int, int>(found & 0xFFFF, (found >> 16) & 0xFFFF);
    };
    style.found = swappedColours(style.text);
  }

  WindowPainter painter(*doc, area.columns, style);
  RowCells cells;
  const Line* line = doc->view.topLine;
  LineIndex number = doc->view.topLineNumber;
  for (int row = 0; row < area.rows && row <= lastRow; ++row) {
    if (row >= firstRow) {
      // A remark left open or closed by this line recolours the rows below.
      if (painter.paintRow(line, number, row, cells) && row == lastRow) lastRow = area.rows - 1;
      writeCells(area.left, area.top + row, cells);
    }
    if (line) {
      line = line->next();
      ++number;
    }
  }
}

void Screen::paintCommand(int slot, const ViewArea& area) {
  Document* doc = editor_.slots.command(slot).document;
  if (area.commandRow < 0 || !doc) return;
  placeCurrentLine(*doc);
  RowStyle style;
  style.text = commandLineAttribute();
  style.mark = markAttribute();
  style.expandTabs = doc->option(opt::kKeepTabs) != 0;
  style.tabWidth = editor_.settings.tabExpand;
  style.tabFill = static_cast<char>(doc->option(opt::kTabFill));
  WindowPainter painter(*doc, area.columns, style);
  RowCells cells;
  painter.paintRow(doc->first, kFirstLine, 0, cells);
  writeCells(area.left, area.commandRow, cells);
}

void Screen::paintTabRow() {
  if (!layout_.tabRow) return;
  const SlotTable& slots = editor_.slots;
  int width = fileTabWidth(editor_.settings.tabWidth);
  int columns = layout_.size.columns;
  RowCells row;
  row.text.assign(columns, ' ');
  row.attrs.assign(columns, statusAttribute(false));
  int x = 0;
  for (int slot : slots.ring()) {
    if (x >= columns) break;
    const Document* doc = slots.data(slot).document;
    if (!doc) continue;
    std::string label = fileTabLabel(doc->name, width);
    Attribute attr = slot == slots.current() ? textAttribute() : statusAttribute(doc->isModified());
    for (int i = 0; i < width && x + i < columns; ++i) {
      row.text[x + i] = label[i];
      row.attrs[x + i] = attr;
    }
    x += width;
  }
  writeCells(0, 0, row);
}

void Screen::paintSeparator() {
  if (layout_.split == SplitMode::None) return;
  Attribute attr = static_cast<Attribute>((textAttribute() & 0xF0) | colour::kRed);
  std::string_view frame = builtInBorders();
  if (layout_.split == SplitMode::TopBottom) {
    writeFrameText(0, layout_.separator,
                   std::string(layout_.size.columns, frame[border::kHorizontal]), attr);
    return;
  }
  std::string bar(1, frame[border::kVertical]);
  for (int row = layout_.tabRow ? 1 : 0; row < layout_.size.rows; ++row)
    writeFrameText(layout_.separator, row, bar, attr);
}

void Screen::writeText(int column, int row, std::string_view text, Attribute attr) {
  cells_.put(editor_.console, column, row, text, attr);
}

void Screen::writeFrameText(int column, int row, std::string_view text, Attribute attr) {
  cells_.put(editor_.console, column, row, mapBorders(text, editor_.settings.borders), attr, true);
}

void Screen::writeCells(int column, int row, const RowCells& cells) {
  cells_.put(editor_.console, column, row, cells.text, cells.attrs);
}

}  // namespace tarn
