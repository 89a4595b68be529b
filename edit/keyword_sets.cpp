#include "edit/keyword_sets.h"

#include <fstream>

#include "edit/keyword_file.h"
#include "edit/keyword_set_selection.h"
#include "platform/directories.h"

namespace tarn {

int KeywordSets::choose(std::span<const SyntaxSetSettings> settings, std::string_view fileName) {
  const int set = selectKeywordSet(settings, lastChosen_, fileName);
  if (set < 0) return -1;
  lastChosen_ = set;
  use(set);
  return set;
}

KeywordSet& KeywordSets::use(int set) {
  Loaded& entry = sets_[static_cast<size_t>(set)];
  if (entry.set) return *entry.set;
  entry.set.emplace();
  const std::string name = findNoCase(directory_, keywordFileName(set));
  if (!name.empty() && loadKeywordFile(*entry.set, directory_ + name, false)) {
    entry.path = directory_ + name;
  } else {
    entry.set.emplace();  // what a file that could not be read left behind goes
  }
  return *entry.set;
}

const KeywordSet* KeywordSets::loaded(int set) const {
  if (set < 0 || set >= kSyntaxSets) return nullptr;
  const Loaded& entry = sets_[static_cast<size_t>(set)];
  return entry.set ? &*entry.set : nullptr;
}

std::vector<int> KeywordSets::saveLearnedWords() {
  std::vector<int> unsaved;
  const std::string spare = directory_ + std::string(kLearnedWordsFile);
  for (int i = 0; i < kSyntaxSets; ++i) {
    Loaded& entry = sets_[static_cast<size_t>(i)];
    if (!entry.set || entry.set->unsavedWords().empty()) continue;
    if (!entry.path.empty() && tarn::saveLearnedWords(*entry.set, entry.path)) continue;
    if (!pathExists(spare)) std::ofstream(spare, std::ios::binary);
    if (!tarn::saveLearnedWords(*entry.set, spare)) unsaved.push_back(i);
  }
  return unsaved;
}

}  // namespace tarn
