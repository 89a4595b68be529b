#include "edit/syntax_colouring.h"

#include <algorithm>

#include "core/editor.h"
#include "edit/class_colours.h"
#include "edit/tokenizer.h"

namespace tarn {

SyntaxColouring::SyntaxColouring(Editor& editor, KeywordSets& sets) : editor_(editor), sets_(sets) {}

SyntaxColouring::~SyntaxColouring() {
  for (auto& [id, coloured] : coloured_)
    if (Document* doc = editor_.engine.find(id)) doc->removeObserver(*coloured.states);
}

void SyntaxColouring::followCurrentFile() {
  const int slot = editor_.slots.current();
  if (!editor_.slots.inUse(slot)) return;
  Document* doc = editor_.slots.data(slot).document;
  if (!doc || doc->isCommandLine()) return;
  if (doc->id == chosenFor_ && doc->name == chosenName_ && !extensionsChanged()) return;
  chosenFor_ = doc->id;
  chosenName_ = doc->name;
  for (size_t i = 0; i < chosenExtensions_.size(); ++i) chosenExtensions_[i] = editor_.settings.syntax[i].extensions;
  forgetClosedDocuments();
  colourWith(*doc, sets_.choose(editor_.settings.syntax, doc->name));
}

bool SyntaxColouring::extensionsChanged() const {
  for (size_t i = 0; i < chosenExtensions_.size(); ++i)
    if (chosenExtensions_[i] != editor_.settings.syntax[i].extensions) return true;
  return false;
}

void SyntaxColouring::forgetClosedDocuments() {
  std::erase_if(coloured_, [&](const auto& entry) { return !editor_.engine.find(entry.first); });
}

void SyntaxColouring::colourWith(Document& doc, int set) {
  if (set >= 0) {
    sets_.use(set);
    Coloured& coloured = coloured_[doc.id];
    if (!coloured.states) {
      coloured.states = std::make_unique<RemarkStates>();
      doc.addObserver(*coloured.states);
    }
    if (coloured.set != set) {
      coloured.set = set;
      coloured.states->forget();
    }
  } else if (auto found = coloured_.find(doc.id); found != coloured_.end()) {
    doc.removeObserver(*found->second.states);
    coloured_.erase(found);
  }

  const uint32_t docFlags =
      set >= 0 ? doc.flags | docflag::kSyntaxColouring : doc.flags & ~docflag::kSyntaxColouring;
  bool changed = docFlags != doc.flags;
  doc.flags = docFlags;
  for (int slot : editor_.slots.used()) {
    WindowRecord& window = editor_.slots.data(slot);
    if (window.document != &doc || window.keywordSet() == set) continue;
    window.setKeywordSet(set);
    changed = true;
  }
  if (changed) editor_.engine.send(&doc, msg::kRepaintWindow);
}

int SyntaxColouring::setIndexOf(const Document& doc) const {
  auto found = coloured_.find(doc.id);
  return found == coloured_.end() || !(doc.flags & docflag::kSyntaxColouring) ? -1 : found->second.set;
}

const KeywordSet* SyntaxColouring::setOf(const Document& doc) const { return sets_.loaded(setIndexOf(doc)); }

bool SyntaxColouring::tokenize(Coloured& coloured, const Line& line, LineIndex index) {
  const KeywordSet& set = sets_.use(coloured.set);
  const bool before = coloured.states->stateBefore(set, line, index);
  classes_.resize(line.length);
  const bool after = tokenizeLine(set, line.view(), before, classes_);
  return coloured.states->keepEnd(index, after);
}

std::string_view SyntaxColouring::classesOf(const Document& doc, const Line& line, LineIndex index) {
  auto found = coloured_.find(doc.id);
  if (found == coloured_.end()) return {};
  tokenize(found->second, line, index);
  return classes_;
}

bool SyntaxColouring::colourLine(const Document& doc, int keywordSet, const Line& line, LineIndex index,
                                 std::span<Attribute> colours) {
  auto found = coloured_.find(doc.id);
  if (found == coloured_.end() || found->second.set != keywordSet) return false;
  const bool changed = tokenize(found->second, line, index);
  const SyntaxSetSettings& settings = editor_.settings.syntax[static_cast<size_t>(keywordSet)];
  const size_t n = std::min(colours.size(), classes_.size());
  for (size_t i = 0; i < n; ++i) colours[i] = classAttribute(settings, classes_[i], colours[i]);
  return changed;
}

}  // namespace tarn
