// Settings that are also per-file options: the value goes to the current
// file and to the defaults row that new files start from.
#pragma once

namespace tarn {
struct Editor;
}

namespace tarn::command {

void setFileOption(Editor& editor, int index, int value);
void setFileOptionBit(Editor& editor, int index, int bit, bool on);

}  // namespace tarn::command
