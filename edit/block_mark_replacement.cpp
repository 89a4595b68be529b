#include "edit/block_mark_replacement.h"

#include "core/engine.h"
#include "core/marks.h"
#include "core/options.h"
#include "edit/handlers.h"

namespace tarn {

// The functions are run as part of the call (not sent on their own), so
// that a keystroke capture records the typing or the paste alone.
bool typingRemovesBlockMark(const Document& doc) {
  return markKind(doc) == markkind::kBlock && (doc.option(opt::kBehaviour) & behaviour::kTypeOverBlockRemovesIt);
}

void removeBlockMarkFirst(EngineCall& call) {
  Document& doc = call.doc;
  if (!typingRemovesBlockMark(doc)) return;
  if (markedPart(doc, doc.current, doc.currentLineNumber))
    handler::deleteMark(call);
  else
    handler::unmark(call);
}

}  // namespace tarn
