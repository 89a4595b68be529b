#include "core/undo_log.h"

#include "core/document.h"

namespace tarn {

void recordBufferReplaced(Document& doc, ExchangeableBuffer& buffer, std::unique_ptr<ExchangedContents> previous) {
  if (UndoLog* log = doc.undoLog()) log->bufferReplaced(doc, buffer, std::move(previous));
}

}  // namespace tarn
