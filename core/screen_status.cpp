// The status line of each view and the console title.
#include <algorithm>

#include "core/editor.h"
#include "core/status_line.h"
#include "core/window_painter.h"

namespace tarn {

namespace {

std::string_view modeWord(const Document& file, const Document& view, const WindowRecord& window) {
  if ((file.flags | view.flags) & docflag::kCapturing) return "Capture";
  if (file.isReadOnly() || (window.flags & winflag::kReadOnly)) return "Rd Only";
  return view.option(opt::kInsertMode) ? "Insert " : "Replace";
}

}  // namespace

void Screen::paintStatus(int view) {
  const ViewArea& area = layout_.views[view];
  if (area.statusRow < 0) return;
  const SlotTable& slots = editor_.slots;
  int slot = slotInView(view);
  int nameWidth = std::max(0, area.columns - kStatusRightWidth);

  std::string name(nameWidth, ' ');
  std::string position(kStatusRightWidth, ' ');
  Attribute attr = statusAttribute(false);
  const Document* file = slot >= 0 ? slots.data(slot).document : nullptr;
  if (file) {
    const Document* command = slots.command(slot).document;
    const Document& typing = !slots.cursorInFile(slot) && command ? *command : *file;
    StatusFields f;
    f.name = file->name;
    f.encrypted = slots.data(slot).flags & winflag::kEncrypted;
    f.ringPlace = slots.ringPlace(slot);
    f.ringSize = slots.ringSize(slot);
    f.line = toUser(file->currentLineNumber).value();
    f.column = file->cursorColumn + 1;
    f.mode = modeWord(*file, typing, slots.data(slot));
    name = statusNamePart(f, nameWidth);
    position = statusPositionPart(f);
    attr = statusAttribute(file->isModified());
  }
  Attribute nameAttr = attr;
  if (messageShown_ && view == currentViewIndex()) {
    // A message longer than the name's room runs on over the position fields.
    int room = std::ssize(messageText_) > nameWidth ? area.columns : nameWidth;
    name = messageText_.substr(0, room);
    name.resize(room, ' ');
    nameAttr = messageAttribute();
  }

  RowCells row;
  row.text = name + position;
  row.text.resize(area.columns, ' ');
  row.attrs.assign(area.columns, attr);
  std::fill_n(row.attrs.begin(), std::min<size_t>(name.size(), row.attrs.size()), nameAttr);
  writeCells(area.left, area.statusRow, row);
}

void Screen::updateTitle() {
  const Document* file = editor_.currentDocument();
  const WindowRecord* window = editor_.currentWindow();
  std::string title = file
                          ? consoleTitle(file->name, file->isModified(),
                                         file->isReadOnly() || (window->flags & winflag::kReadOnly))
                          : consoleTitle("", false, false);
  if (title == title_) return;
  title_ = title;
  editor_.console.setTitle(title);
}

}  // namespace tarn
