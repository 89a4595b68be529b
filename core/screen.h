// The console screen: layout of file tabs, data window, command line and
// status line (and two views in split mode), painting, the status line,
// the title, the cursor shape and messages.
#pragma once
#include <string>
#include <string_view>

#include "core/engine.h"
#include "platform/console.h"

namespace tarn {

struct Editor;

enum class SplitMode { None, TopBottom, LeftRight };

class Screen : public EngineHost {
 public:
  explicit Screen(Editor& editor);

  // Start-up: size from the console, layout, clear, cursor shape.
  void setUp();
  // Exit: unless keepContents, clear the screen and put the cursor top left.
  void restore(bool keepContents);

  // `set display`: clamps to 1..511 rows and 1..1023 columns (0 or less
  // gives 25 and 80) and keeps the old size when the console refuses.
  void setScreenSize(int rows, int columns);
  // The console changed size (a buffer-size event).
  void consoleResized();
  void layout();
  void setSplitMode(SplitMode mode);
  SplitMode splitMode() const { return split_; }
  // Repaints the current slot: its window or command line, the separator,
  // the tab row and the status line.
  void redraw(bool slotChanged);
  void paintWindow(Document& doc, int firstRow, int lastRow);
  // Places the console cursor for the current slot and applies the cursor
  // size of its typing mode.
  void placeCursor();

  // A message on the status line until the next key, or in a framed box
  // (waiting for a key, which stays in the queue) when the status line is hidden.
  void message(std::string_view text);
  // "Loading ..." and "Saving ...": shown without waiting.
  void progress(std::string_view text);
  // An error in a modal box captioned "Tarnedit Error".
  void error(std::string_view text);
  void clearMessage();
  bool messageShown() const { return messageShown_; }
  void beep();

  // One row of text on the status-line row (the bottom row when the status
  // line is hidden), cut or padded to the screen width; the cursor after it.
  void statusRowText(std::string_view text, Attribute attr, int cursorColumn);

  // A three-row framed box centred on the screen: caption in the top frame
  // row, text in the middle, footer in the bottom frame row.
  void frameBox(int width, std::string_view caption, std::string_view text,
                std::string_view footer, Attribute attr);

  // Attributes of the screen areas from the settings.
  Attribute textAttribute() const;
  Attribute markAttribute() const;
  Attribute commandLineAttribute() const;
  Attribute messageAttribute() const;

  // EngineHost
  void windowChanged(Document& doc, bool repaintAll) override;
  void statusChanged(Document& doc) override;
  void updatesResumed(Document& doc) override;
  void takeFocus(Document& doc) override;
  void reportError(std::string_view text) override { error(text); }

 private:
  Editor& editor_;
  SplitMode split_ = SplitMode::None;
  bool messageShown_ = false;
  std::string messageText_;
};

}  // namespace tarn
