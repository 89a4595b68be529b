// Insert and replace mode (per-file option 9).
#include "core/document.h"
#include "edit/handlers.h"

namespace tarn::handler {

int setInsertMode(EngineCall& call) {
  int& mode = call.doc.options[opt::kInsertMode];
  switch (call.arg1) {
    case 0: mode = !mode; return 1;
    case 1: mode = 1; return 1;
    case 2: mode = 0; return 1;
    default: return 0;
  }
}

}  // namespace tarn::handler
