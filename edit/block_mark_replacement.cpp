#include "edit/block_mark_replacement.h"

#include "core/engine.h"
#include "core/function_codes.h"
#include "core/options.h"

namespace tarn {

namespace {
constexpr int kBlockMark = 2;  // the mark's kind
}  // namespace

void removeBlockMarkFirst(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.mark.type != kBlockMark || !(doc.option(opt::kBehaviour) & behaviour::kTypeOverBlockRemovesIt)) return;
  bool within = doc.currentLineNumber >= doc.mark.firstLineNumber && doc.currentLineNumber <= doc.mark.lastLineNumber;
  call.engine.send(&doc, within ? fn::kDeleteMark : fn::kUnmark);
}

}  // namespace tarn
