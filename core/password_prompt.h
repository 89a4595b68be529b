// The encryption password, typed on the status-line row.
#pragma once
#include <string>

namespace tarn {

struct Editor;

// Up to 32 printable characters, shown as `*`; Enter ends the entry,
// Escape (or the end of input) abandons it and gives an empty password.
std::string readPassword(Editor& editor);

}  // namespace tarn
