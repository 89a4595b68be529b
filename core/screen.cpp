#include "core/screen.h"

#include <algorithm>

#include "core/editor.h"

namespace tarn {

namespace {
constexpr int kMaxRows = 511;
constexpr int kMaxColumns = 1023;
constexpr int kDefaultRows = 25;
constexpr int kDefaultColumns = 80;
constexpr Attribute kPlainAttribute = 0x07;

Attribute colours(int background, int foreground) {
  return static_cast<Attribute>(((background & 0xF) << 4) | (foreground & 0xF));
}

// Rows first, as `set display` takes them.
std::string sizeWords(ConsoleSize size) { return std::to_string(size.rows) + " " + std::to_string(size.columns); }
}  // namespace

Screen::Screen(Editor& editor) : editor_(editor) {}

bool Screen::suspended() const { return editor_.engine.updatesSuspended(); }

void Screen::setUp() {
  Console& console = editor_.console;
  console.clear(textAttribute());
  cells_.reset(console.size());
  console.setCursorVisible(true);
  applyCursorSize(editor_.settings.insert);
  applyLayout(true);
}

void Screen::restore(bool keepContents) {
  Console& console = editor_.console;
  if (!keepContents) {
    console.clear(kPlainAttribute);
    console.setCursorPosition(0, 0);
  }
  console.setCursorVisible(true);
  console.flush();
  cells_.reset(console.size());
}

void Screen::setScreenSize(int rows, int columns) {
  rows = rows <= 0 ? kDefaultRows : std::min(rows, kMaxRows);
  columns = columns <= 0 ? kDefaultColumns : std::min(columns, kMaxColumns);
  Console& console = editor_.console;
  ConsoleSize largest = console.largestSize();
  ConsoleSize wanted{std::min(columns, largest.columns), std::min(rows, largest.rows)};
  ConsoleSize old = console.size();
  // Failing the whole size, the new rows alone, then the new columns alone.
  for (ConsoleSize attempt :
       {wanted, ConsoleSize{old.columns, wanted.rows}, ConsoleSize{wanted.columns, old.rows}}) {
    if (attempt == old || tryResize(attempt)) break;
  }
  consoleResized();
  ConsoleSize now = console.size();
  if (now != wanted)
    message("Display size " + sizeWords(wanted) + " refused; the display is " + sizeWords(now));
}

bool Screen::tryResize(ConsoleSize size) {
  Console& console = editor_.console;
  return console.resize(size) || console.resize(size);
}

void Screen::consoleResized() {
  cells_.reset(editor_.console.size());
  applyLayout(true);
}

void Screen::placeCursor() {
  if (suspended()) return;
  Console& console = editor_.console;
  const SlotTable& slots = editor_.slots;
  int slot = slots.current();
  int view = viewOfSlot(slot);
  if (view < 0) {
    console.flush();
    return;
  }
  const ViewArea& area = layout_.views[view];
  bool onCommandLine = !slots.cursorInFile(slot) && area.commandRow >= 0;
  const Document& doc = *(onCommandLine ? slots.command(slot) : slots.data(slot)).document;
  int row = onCommandLine ? area.commandRow
                          : area.top + std::clamp(doc.currentLineNumber - doc.view.topLineNumber, 0,
                                                  std::max(0, area.rows - 1));
  int column = area.left +
               std::clamp(doc.cursorColumn - doc.view.leftColumn, 0, std::max(0, area.columns - 1));
  // On a screen too small for its layout a window may lie partly off it.
  console.setCursorPosition(std::clamp(column, 0, std::max(0, layout_.size.columns - 1)),
                            std::clamp(row, 0, std::max(0, layout_.size.rows - 1)));
  if (const Document* view = editor_.currentView())
    applyCursorSize(view->option(opt::kInsertMode) != 0);
  console.flush();
}

void Screen::applyCursorSize(bool insert) {
  const Settings& s = editor_.settings;
  int size = insert ? s.cursorInsert : s.cursorReplace;
  if (size < 1 || size > 100) size = insert ? 90 : 20;
  if (size == cursorSize_) return;
  cursorSize_ = size;
  editor_.console.setCursorSize(size);
}

// The console offers no bell; a refused action shows itself by what stays unchanged.
void Screen::beep() { editor_.console.beep(); }

Attribute Screen::textAttribute() const {
  const auto& c = editor_.settings.colours;
  return colours(c[0], c[1]);
}

Attribute Screen::markAttribute() const {
  const auto& c = editor_.settings.colours;
  return colours(c[2], c[3]);
}

Attribute Screen::commandLineAttribute() const {
  const auto& c = editor_.settings.colours;
  return colours(c[4], c[5]);
}

// The message pair names the foreground first.
Attribute Screen::messageAttribute() const {
  const auto& c = editor_.settings.colours;
  return colours(c[7], c[6]);
}

Attribute Screen::statusAttribute(bool modified) const {
  const Settings& s = editor_.settings;
  return colours(s.statusBackground, modified ? s.statusModifiedForeground : s.statusForeground);
}

// The engine tells whether the window moved; painting goes through the
// cell record, so a whole repaint writes only the rows that changed.
void Screen::windowChanged(Document& doc, bool /*repaintAll*/) {
  if (suspended()) return;
  for (int view = 0; view < layout_.viewCount(); ++view) {
    int slot = slotInView(view);
    if (slot < 0) continue;
    const ViewArea& area = layout_.views[view];
    if (editor_.slots.data(slot).document == &doc) paintData(slot, area, 0, area.rows - 1);
    if (editor_.slots.command(slot).document == &doc) paintCommand(slot, area);
  }
  placeCursor();
}

void Screen::statusChanged(Document& doc) {
  if (suspended()) return;
  for (int view = 0; view < layout_.viewCount(); ++view) {
    int slot = slotInView(view);
    if (slot >= 0 &&
        (editor_.slots.data(slot).document == &doc || editor_.slots.command(slot).document == &doc))
      paintStatus(view);
  }
  paintTabRow();
  updateTitle();
  editor_.console.flush();
}

void Screen::updatesResumed(Document&) { redraw(true); }

void Screen::takeFocus(Document&) { redraw(true); }

}  // namespace tarn
