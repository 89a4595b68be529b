// Paging: the cursor moves a window height and keeps its row in the window.
#include <algorithm>

#include "core/engine.h"
#include "core/options.h"
#include "core/view_placement.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"

namespace tarn::handler {

namespace {

// direction +1 pages down (to the last text line at most), -1 up (to the
// top-of-file line at most). In the compatible mode the window and the
// cursor go one line further unless the page already reached the end.
int page(EngineCall& call, int direction) {
  Document& doc = call.doc;
  int rows = std::max(1, doc.windowRows);
  LineIndex current = doc.currentLineNumber;
  int row = std::clamp(current - windowTopNumber(doc), 0, rows - 1);
  LineIndex end = direction > 0 ? lastTextNumber(doc) : kFirstLine;
  LineIndex target = direction > 0 ? std::min(current + rows, end) : std::max(current - rows, end);
  if (target == current) return 0;
  bool compatible = doc.option(opt::kBehaviour) & behaviour::kCompatibility;
  if (compatible && target != end) target += direction;
  moveCursorTo(doc, lineNear(doc, target), target);
  setWindowTop(doc, target - row);
  return 1;
}

}  // namespace

int pageDown(EngineCall& call) { return page(call, 1); }
int pageUp(EngineCall& call) { return page(call, -1); }

}  // namespace tarn::handler
