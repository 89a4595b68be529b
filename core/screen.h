// The console screen: layout of file tabs, data window, command line and
// status line (and two views in split mode), painting, the status line,
// the title, the cursor shape and messages.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/screen_cells.h"
#include "core/screen_layout.h"
#include "platform/console.h"

namespace tarn {

struct Editor;
class SyntaxPainter;
struct RowCells;

class Screen : public EngineHost {
 public:
  explicit Screen(Editor& editor);

  // Start-up: size from the console, layout, clear, cursor shape.
  void setUp();
  // Exit: unless keepContents, clear the screen and put the cursor top left.
  void restore(bool keepContents);

  // `set display`: clamps to 1..511 rows and 1..1023 columns (0 or less
  // gives 25 and 80) and keeps the old size when the console refuses, which
  // a message tells.
  void setScreenSize(int rows, int columns);
  // The console changed size (a buffer-size event).
  void consoleResized();
  void layout();
  void setSplitMode(SplitMode mode);
  SplitMode splitMode() const { return split_; }
  const ScreenLayout& currentLayout() const { return layout_; }
  // The slot shown in a view (0, or 1 for the second half in split mode);
  // -1 when the view shows none.
  int slotInView(int view) const;
  // The view showing a slot, -1 when it is not on the screen.
  int viewOfSlot(int slot) const;
  // The view of the current slot (0 when there is none).
  int currentViewIndex() const;

  // Repaints the current slot: its window or command line, the separator,
  // the tab row and the status line; with slotChanged, every view.
  void redraw(bool slotChanged);
  void paintWindow(Document& doc, int firstRow, int lastRow);
  // Places the console cursor for the current slot and applies the cursor
  // size of its typing mode.
  void placeCursor();
  // The console cursor size of a typing mode (`set cursor`).
  void applyCursorSize(bool insertMode);

  // The syntax colouring that paints documents with colouring on.
  void setSyntaxPainter(SyntaxPainter* painter) { syntax_ = painter; }
  // The locate highlight: the last search text shown in the found colours
  // (the engine's find in text finds it). Repaints when it changes.
  void setFoundHighlight(bool on);

  // A message on the status line until the next key, or in a framed box
  // (waiting for a key, which stays in the queue) when the status line is hidden.
  void message(std::string_view text);
  // A note shown without waiting for a key: "Loading ..." and "Saving ..."
  // and what they came to, the start hint, why an edit was refused. Like a
  // message it goes at the next key; with the status line hidden its box
  // is left as it is.
  void note(std::string_view text);
  // An error in a modal box captioned "Tarnedit Error"; waits for a key.
  void error(std::string_view text);
  void clearMessage();
  bool messageShown() const { return messageShown_; }
  // What the message line shows is a note.
  bool noteShown() const { return messageShown_ && noteShown_; }
  // The text of the last message, progress note or error shown.
  const std::string& lastMessage() const { return lastMessage_; }
  void beep();

  // One row of text on the status-line row (the bottom row when the status
  // line is hidden), cut or padded to the screen width; the cursor after it.
  void statusRowText(std::string_view text, Attribute attr, int cursorColumn);

  // A three-row framed box centred on the screen: caption in the top frame
  // row, text in the middle, footer in the bottom frame row.
  struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
  };
  Box boxAt(int width) const;
  void frameBox(int width, std::string_view caption, std::string_view text, std::string_view footer,
                Attribute attr);
  // One row of a box: the two edge characters (frame characters), and the
  // label centred between them in a fill; on a frame row (fillIsFrame) the
  // label gets a blank either side.
  void frameRow(const Box& box, int row, std::string_view edges, char fill, bool fillIsFrame,
                std::string_view label, Attribute attr);

  // Writes that go through the screen's record of the cells. Frame text is
  // passed through the border map and shown in code page 437.
  void writeText(int column, int row, std::string_view text, Attribute attr);
  void writeFrameText(int column, int row, std::string_view text, Attribute attr);
  void writeCells(int column, int row, const RowCells& cells);

  // Attributes of the screen areas from the settings.
  Attribute textAttribute() const;
  Attribute markAttribute() const;
  Attribute commandLineAttribute() const;
  Attribute messageAttribute() const;
  Attribute statusAttribute(bool modified) const;

  // EngineHost
  void windowChanged(Document& doc, bool repaintAll) override;
  void statusChanged(Document& doc) override;
  void updatesResumed(Document& doc) override;
  void takeFocus(Document& doc) override;
  void reportError(std::string_view text) override { error(text); }

 private:
  bool suspended() const;
  void applyLayout(bool forceRedraw);
  bool tryResize(ConsoleSize size);
  void noteShownSlots();

  void paintView(int view);
  void paintData(int slot, const ViewArea& area, int firstRow, int lastRow);
  void paintCommand(int slot, const ViewArea& area);
  void paintStatus(int view);
  void paintTabRow();
  void paintSeparator();
  void updateTitle();

  // Message boxes: keeps the cursor line out of rows top..bottom, draws
  // the box, and for the waiting kinds waits for a key press.
  void showBox(std::string_view caption, std::string_view text, std::string_view footer);
  void keepCursorLineClear(int top, int bottom);
  // Waits for a key press, discarding other input (a size change is kept
  // for afterwards); the key stays queued unless consumed.
  void waitForKeyPress(bool consume);

  Editor& editor_;
  SplitMode split_ = SplitMode::None;
  ScreenLayout layout_;
  ScreenCells cells_;
  std::array<int, 2> shown_{-1, -1};
  SyntaxPainter* syntax_ = nullptr;
  bool foundHighlight_ = false;
  bool messageShown_ = false;
  bool noteShown_ = false;
  std::string messageText_;
  std::string lastMessage_;
  std::string title_;
  int cursorSize_ = 0;
};

}  // namespace tarn
