// The engine entry: every other part acts on a document by sending it a
// message (a code and two parameters). Codes 0x922..0x9FF are the editing
// functions, found in a registry of handlers sorted by code; lower codes
// are the store's own messages and edit-control style messages.
#pragma once
#include <array>
#include <functional>
#include <list>
#include <memory>
#include <span>
#include <string>

#include "core/document.h"
#include "core/engine_types.h"
#include "core/marks.h"
#include "core/tab_stops.h"
#include "core/word_separators.h"

namespace tarn {

// What the engine tells the screen and the user.
class EngineHost {
 public:
  virtual ~EngineHost() = default;
  // After a function that is not a query: the window is repainted whole
  // (the current line left it, or a repaint was asked for) or only the
  // cursor moves; then the status line is updated.
  virtual void windowChanged(Document& doc, bool repaintAll) = 0;
  virtual void statusChanged(Document& doc) = 0;
  // Updates resumed after a batch: repaint what changed meanwhile.
  virtual void updatesResumed(Document& doc) = 0;
  virtual void takeFocus(Document& doc) = 0;
  virtual void reportError(std::string_view text) = 0;
};

// Fills a new document from a file; false when the file cannot be opened.
class DocumentReader {
 public:
  virtual ~DocumentReader() = default;
  virtual bool read(Document& doc, const std::string& path) = 0;
};

// Keystroke capture (learning a macro) listens to the messages a capturing document receives.
class CaptureSink {
 public:
  virtual ~CaptureSink() = default;
  virtual void record(Document& doc, int code, intptr_t arg1, intptr_t arg2) = 0;
};

class Engine {
 public:
  static constexpr int kTabStopColumns = tarn::kTabStopColumns;

  Engine();
  ~Engine();

  int send(Document* doc, int code, intptr_t arg1 = 0, intptr_t arg2 = 0);

  // Handlers sorted by code; codes below the editing range are the mapped
  // edit-control messages (key, character, mouse, cut/copy/paste).
  void setRegistry(std::span<const EditFunction> registry);
  // In the registry, or one of the store's own functions for given text.
  const EditFunction* findFunction(int code) const;

  void setEditor(Editor* editor) { editor_ = editor; }
  void setHost(EngineHost* host) { host_ = host; }
  void setReader(DocumentReader* reader) { reader_ = reader; }
  void setCaptureSink(CaptureSink* sink) { capture_ = sink; }
  void setUndoFactory(std::function<std::unique_ptr<UndoLog>()> factory) {
    undoFactory_ = std::move(factory);
  }

  Document* find(int id) const;
  const std::list<std::unique_ptr<Document>>& documents() const { return documents_; }

  OptionRow& defaults() { return defaults_; }
  // The typing tab stops (9 8 until the settings give others).
  TabStops& tabStops() { return tabStops_; }
  const TabStops& tabStops() const { return tabStops_; }
  bool isTabStop(int column) const {
    return column >= 0 && column < kTabStopColumns && tabStops_[column];
  }

  // The mark, the line buffer and the mark stack.
  Marks& marks() { return marks_; }
  const Marks& marks() const { return marks_; }

  WordSeparators& wordSeparators() { return separators_; }
  const WordSeparators& wordSeparators() const { return separators_; }

  // Repeat count of the next function; returns to 1 after every call.
  void setRepeatCount(int n) { repeat_ = n < 1 ? 1 : n; }
  int repeatCount() const { return repeat_; }
  int lastFunction() const { return lastFunction_; }
  bool updatesSuspended() const { return suspended_; }
  // Functions run between these undo as one step (see undo_group.h).
  void beginUndoGroup() { ++grouped_; }
  void endUndoGroup();

  void fillStatus(const Document& doc, StatusRecord& status) const;

 private:
  int dispatch(Document* doc, int code, intptr_t arg1, intptr_t arg2);
  int runFunction(Document& doc, const EditFunction& fn, intptr_t arg1, intptr_t arg2);
  int storeMessage(Document* doc, int code, intptr_t arg1, intptr_t arg2);
  Document* create(int bits, const char* name);
  void destroy(Document* doc);
  void suspendUpdates(Document* doc, bool suspend);
  // Closes the undo steps of every document, unless a function, a batch
  // or an undo group still runs.
  void closeUndoSteps();
  void settleChanges();

  std::list<std::unique_ptr<Document>> documents_;
  int nextId_ = 1;
  OptionRow defaults_;
  TabStops tabStops_{};
  WordSeparators separators_;
  Marks marks_{*this};
  std::span<const EditFunction> registry_;
  Editor* editor_ = nullptr;
  EngineHost* host_ = nullptr;
  DocumentReader* reader_ = nullptr;
  CaptureSink* capture_ = nullptr;
  std::function<std::unique_ptr<UndoLog>()> undoFactory_;
  int repeat_ = 1;
  int lastFunction_ = 0;
  int depth_ = 0;  // functions running, one inside another
  int grouped_ = 0;  // undo groups open, one inside another
  bool suspended_ = false;
};

}  // namespace tarn
