// uppercase, lowercase, invertcase and capitalize act on the marked text.
#include "edit/handlers.h"

namespace tarn::handler {

// Marks are not kept yet, so there is never marked text to change.
int changeCase(EngineCall&) { return 0; }

}  // namespace tarn::handler
