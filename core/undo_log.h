// The undo log of a document follows its text as a change observer and is
// told by the engine where each step begins and ends. The undo ring fills it
// in; until then a document's log records nothing.
#pragma once
#include <memory>

#include "core/change_observer.h"
#include "core/line_buffer_exchange.h"

namespace tarn {

class UndoLog : public ChangeObserver {
 public:
  // A function of class movement or change begins on the document; the
  // redo history is dropped unless the function is undo or redo. While a
  // step is open (a batch, or a function sent by another) it goes on.
  virtual void beginStep(Document& doc, int code) = 0;
  // Closes the open step, if any: the outermost function or the batch ended.
  virtual void endStep(Document& doc) = 0;

  // Takes back the newest step, or applies again the step undone last;
  // false when there is none.
  virtual bool undo(Document& doc) = 0;
  virtual bool redo(Document& doc) = 0;
  virtual bool canUndo(const Document& doc) const = 0;
  virtual bool canRedo() const = 0;

  // The line buffer was given new contents by a function running on doc;
  // previous is what it held before.
  virtual void bufferReplaced(Document& doc, ExchangeableBuffer& buffer,
                              std::unique_ptr<ExchangedContents> previous) = 0;
};

// The entry point of the line buffer: call it whenever a function replaces
// the buffer's contents, with the document the function runs on and the
// contents taken out. The document's undo log keeps them, so that undo and
// redo can exchange them with the buffer's; without a log they are freed.
void recordBufferReplaced(Document& doc, ExchangeableBuffer& buffer, std::unique_ptr<ExchangedContents> previous);

}  // namespace tarn
