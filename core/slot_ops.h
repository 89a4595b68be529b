// Opening and closing slots: the text store's part of `edit` and `quit`.
#pragma once
#include <string>

namespace tarn {

struct Editor;

struct SlotOpening {
  std::string name;
  bool readOnly = false;
  int secondViewOf = -1;  // a slot whose document this slot shows again
  bool syntaxColouring = false;
  int keywordSet = -1;
  bool zipMember = false;
  bool ftpFile = false;
};

// Opens a slot and makes it current; -1 after "Too many opened files!".
int openSlot(Editor& editor, const SlotOpening& opening);

// Closes a slot. byCommand: closed by `quit` or `file` (not at exit). When it
// was current, the next file of the ring becomes current (-1 when none is left).
void closeSlot(Editor& editor, int slot, bool byCommand);

// At exit: closes every slot and shuts the engine down.
void closeAllSlots(Editor& editor);

}  // namespace tarn
