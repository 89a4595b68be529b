// `html` and `rtf`: the current file exported with the colours of its syntax
// classes into a window of its own, left unsaved for the user to look at
// and save; the file's own window stays current.
#pragma once
#include <string_view>

#include "edit/export_writer.h"

namespace tarn {

struct Editor;
class SyntaxColouring;

// In the colours of the keyword set that colours the file (plain without
// one). name: the export's file name; empty for the file's name with
// ".html" or ".rtf" added. False when no file is open or the window cannot
// be opened.
bool exportCurrentFile(Editor& editor, const SyntaxColouring& colouring, ExportKind kind, std::string_view name);

}  // namespace tarn
