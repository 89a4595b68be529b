// The program's keyword sets. Each of the 20 is read from its keyword file
// in the profile directory the first time a file uses it, and stays until
// the editor ends; the words learned meanwhile are written to the file then.
#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "edit/keyword_set.h"

namespace tarn {

class KeywordSets {
 public:
  // directory: where the keyword files are, with a trailing '/'.
  explicit KeywordSets(std::string directory) : directory_(std::move(directory)) {}

  // The set of a file name by the extension lists (`syntaxcoloringext<n>`),
  // the set chosen last asked first; loaded when it is not yet. -1: none.
  int choose(std::span<const SyntaxSetSettings> settings, std::string_view fileName);

  // A set, read from its keyword file first when it is not loaded yet. A
  // set without a file keeps the default syntax and has no keywords.
  KeywordSet& use(int set);
  // A loaded set, or null.
  const KeywordSet* loaded(int set) const;
  // The file a set was read from; empty for a set without one.
  const std::string& fileOf(int set) const { return sets_[static_cast<size_t>(set)].path; }

  // Appends the learned words of every set to its keyword file; those of a
  // set without one, or whose file is gone, to "tarntemp.kwd" in the
  // directory (made when missing). Returns the sets whose words could not
  // be written anywhere.
  std::vector<int> saveLearnedWords();

 private:
  struct Loaded {
    std::optional<KeywordSet> set;
    std::string path;
  };

  std::string directory_;
  std::array<Loaded, kSyntaxSets> sets_;
  int lastChosen_ = -1;
};

}  // namespace tarn
