// `append`: the marked text written at the end of a file.
#pragma once
#include <string_view>

namespace tarn {

struct Editor;
struct MarkedText;

// The marked text at the end of the file named; false (and a message) when
// the file cannot be written.
bool appendToFile(Editor& editor, const MarkedText& marked, std::string_view name);

// With a character or block mark its text, with a line mark its lines, go
// to the end of the file named (created when missing), with the line ends
// of the file holding the mark. False when nothing is marked, or when the
// file cannot be written (a message says so).
bool appendMarkToFile(Editor& editor, std::string_view name);

}  // namespace tarn
