#include "core/outside_changes.h"

#include <algorithm>

#include "core/editor.h"
#include "core/view_placement.h"
#include "platform/file_system.h"

namespace tarn {

OutsideChanges::Seen OutsideChanges::look(const Document& doc) {
  Seen seen;
  seen.documentId = doc.id;
  seen.name = doc.name;
  if (auto st = fs::status(doc.name)) {
    seen.exists = true;
    seen.modifiedNs = st->modifiedNs;
    seen.readOnly = !(st->mode & 0222) || !fs::canWrite(doc.name);
  }
  return seen;
}

void OutsideChanges::focusLost() {
  focused_ = false;
  seen_.clear();
  for (int s : editor_.slots.used()) {
    const Document* doc = editor_.slots.data(s).document;
    if (doc && doc->name != kUntitled) seen_[s] = look(*doc);
  }
}

void OutsideChanges::noteWritten(const Document& doc) {
  for (auto& [slot, seen] : seen_)
    if (seen.documentId == doc.id) seen = look(doc);
}

void OutsideChanges::focusGained() {
  if (focused_) return;
  focused_ = true;
  SlotTable& slots = editor_.slots;
  const int previous = slots.current();
  bool asked = false;
  for (int s : slots.used()) {
    if (slots.isSecondView(s)) continue;
    const Document* doc = slots.data(s).document;
    auto it = seen_.find(s);
    if (!doc || it == seen_.end() || it->second.documentId != doc->id || it->second.name != doc->name)
      continue;
    Seen now = look(*doc);
    const Seen& before = it->second;
    if (!now.exists || !fs::canRead(doc->name)) continue;
    if (before.exists && now.modifiedNs == before.modifiedNs && now.readOnly == before.readOnly) continue;
    slots.setCurrent(s);
    editor_.screen.redraw(true);
    asked = true;
    if (editor_.input.askYesNo("The file is changed. Reload it? Type y or n")) reload(s, before, now);
    it->second = now;
  }
  if (!asked) return;
  if (slots.inUse(previous)) slots.setCurrent(previous);
  editor_.screen.redraw(true);
}

void OutsideChanges::reload(int slot, const Seen& before, const Seen& now) {
  SlotTable& slots = editor_.slots;
  Document& doc = *slots.data(slot).document;
  const LineIndex line = doc.currentLineNumber;
  const int column = doc.cursorColumn;
  const LineIndex top = doc.view.topLineNumber;
  const int left = doc.view.leftColumn;

  // A slot the user opened read-only on a writable file stays read-only.
  const bool askedReadOnly = (slots.data(slot).flags & winflag::kReadOnly) && !before.readOnly;
  doc.flags &= ~docflag::kReadOnly;
  doc.freeLines();
  if (!editor_.files.read(doc, doc.name)) {
    doc.freeLines();
    doc.addSentinels();
  }
  doc.currentLineNumber = std::clamp(line, kFirstLine, doc.lastIndex());
  doc.current = doc.lineAt(doc.currentLineNumber);
  doc.cursorColumn = column;
  setWindowTop(doc, top);
  doc.view.leftColumn = left;
  placeCurrentLine(doc);
  doc.setChangeCount(0);
  doc.flags |= docflag::kRepaintAll;

  const bool readOnly = now.readOnly || askedReadOnly;
  if (readOnly) doc.flags |= docflag::kReadOnly;
  for (int s : slots.used()) {
    WindowRecord& data = slots.data(s);
    if (data.document != &doc) continue;
    if (readOnly) {
      data.flags |= winflag::kReadOnly;
    } else {
      data.flags &= ~winflag::kReadOnly;
    }
  }
}

}  // namespace tarn
