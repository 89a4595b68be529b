#include "core/slot_ops.h"

#include "core/editor.h"
#include "core/function_codes.h"

namespace tarn {

namespace {

Document* createDocument(Editor& editor, int bits, const std::string& name) {
  CreateRequest request{name.empty() ? nullptr : name.c_str(), nullptr};
  editor.engine.send(nullptr, msg::kCreate, bits, reinterpret_cast<intptr_t>(&request));
  return request.result;
}

// Another slot that shows the document, -1 when none does.
int anotherSlotShowing(Editor& editor, int slot, const Document* doc) {
  for (int s : editor.slots.used())
    if (s != slot && editor.slots.data(s).document == doc) return s;
  return -1;
}

// The slot that becomes current when the current one closes: the next of its
// ring; when it was alone there (the last file of one half of a split
// screen), another view of its document, else the file of the other half.
int successorOf(Editor& editor, int slot) {
  SlotTable& slots = editor.slots;
  int next = slots.ringNeighbour(slot, 1);
  if (next != slot) return next;
  if (int other = anotherSlotShowing(editor, slot, slots.data(slot).document); other >= 0) return other;
  const std::vector<int>& otherRing = slots.ring(!slots.isSecondView(slot));
  return otherRing.empty() ? -1 : otherRing.front();
}

}  // namespace

int openSlot(Editor& editor, const SlotOpening& opening) {
  SlotTable& slots = editor.slots;
  int slot = slots.chooseFree();
  if (slot < 0) {
    editor.screen.message("Too many opened files!");
    return -1;
  }
  WindowRecord& command = slots.command(slot);
  WindowRecord& data = slots.data(slot);
  command = WindowRecord{};
  command.document = createDocument(editor, msg::kCreateCommandLine, "");
  if (!command.document) return -1;
  command.document->owner = &command;

  data = WindowRecord{};
  if (opening.secondViewOf >= 0 && slots.inUse(opening.secondViewOf)) {
    data = slots.data(opening.secondViewOf);
    data.flags |= winflag::kSecondView;
  } else {
    int bits = (opening.syntaxColouring ? msg::kCreateSyntaxColouring : 0) |
               (opening.readOnly ? msg::kCreateReadOnly : 0);
    data.document = createDocument(editor, bits, opening.name);
    if (!data.document) {
      editor.engine.send(command.document, msg::kDestroy);
      command = WindowRecord{};
      return -1;
    }
    data.document->owner = &data;
    if (opening.readOnly) data.flags |= winflag::kReadOnly;
    if (editor.files.lastReadEncrypted() || editor.settings.encryption) data.flags |= winflag::kEncrypted;
    if (opening.zipMember) data.flags |= winflag::kZipMember;
    if (opening.ftpFile) data.flags |= winflag::kFtpFile;
    data.setKeywordSet(opening.keywordSet);
  }

  int previous = slots.current();
  slots.take(slot);
  slots.addToRing(slot, previous);
  slots.setCurrent(slot);
  slots.setCursorInFile(slot, !editor.settings.onCommand);
  editor.screen.layout();
  int insert = editor.settings.insert ? 1 : 0;
  editor.engine.send(data.document, fn::kSetOption, insert, opt::kInsertMode);
  editor.engine.send(command.document, fn::kSetOption, insert, opt::kInsertMode);
  return slot;
}

void closeSlot(Editor& editor, int slot, bool /*byCommand*/) {
  SlotTable& slots = editor.slots;
  if (!slots.inUse(slot)) return;
  WindowRecord& data = slots.data(slot);
  Document* doc = data.document;
  bool remote = data.flags & (winflag::kZipMember | winflag::kFtpFile);
  if (!(data.flags & winflag::kSecondView) && !(data.flags & winflag::kReadOnly) && !remote && doc)
    editor.files.leaveBackupSet(doc->name);

  int next = slots.current() == slot ? successorOf(editor, slot) : -1;
  slots.removeFromRing(slot);
  // A document shown by another slot too lives on there.
  if (doc && anotherSlotShowing(editor, slot, doc) < 0) editor.engine.send(doc, msg::kDestroy);
  if (Document* cmd = slots.command(slot).document) editor.engine.send(cmd, msg::kDestroy);
  bool wasCurrent = slots.current() == slot;
  slots.release(slot);
  if (wasCurrent) slots.setCurrent(next);
  if (doc) {
    // The owner record of a surviving shared document is now another slot's.
    for (int s : slots.used())
      if (slots.data(s).document == doc) doc->owner = &slots.data(s);
  }
  // A half of a split screen left without a file gives the whole screen back.
  if (editor.screen.splitMode() != SplitMode::None && (slots.ring(false).empty() || slots.ring(true).empty()))
    editor.screen.setSplitMode(SplitMode::None);
  else
    editor.screen.layout();
}

void closeAllSlots(Editor& editor) {
  for (int s : editor.slots.used()) closeSlot(editor, s, false);
  editor.engine.send(nullptr, msg::kShutdown);
}

}  // namespace tarn
