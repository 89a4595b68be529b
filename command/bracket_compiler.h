// Compiles the text of one bracket of a key definition (`[bl]`,
// `[left 40]`, `[edit tarn.hlp]`, `[c/ //-*m]`, `[fm 'x']`, `[65]`, a
// synonym with a count) into codes, in the shape code_lists.h describes.
// The rules are tried in order: the whole text as a function name; the
// first word as a function name with the argument its kind takes; the first
// word as a synonym; fill mark, bookmark and character-number forms; and a
// command word cut at its delimiter followed by its argument.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "command/function_table.h"
#include "command/synonyms.h"

namespace tarn::command {

class BracketCompiler {
 public:
  BracketCompiler(const FunctionTable& functions, const SynonymTable& synonyms)
      : functions_(functions), synonyms_(synonyms) {}

  // Nothing when no rule knows the text. definingSynonym is the entry
  // being defined (-1 for none): a synonym may not name itself.
  std::optional<std::vector<int>> compile(std::string_view text, int definingSynonym = -1) const;

 private:
  std::optional<std::vector<int>> byFunctionWord(std::string_view text) const;
  std::optional<std::vector<int>> bySynonym(std::string_view text, int definingSynonym) const;
  std::optional<std::vector<int>> bySpecialForm(std::string_view text) const;
  std::optional<std::vector<int>> byCommandWord(std::string_view text) const;
  std::optional<std::size_t> expressionWordLength(std::string_view text) const;

  const FunctionTable& functions_;
  const SynonymTable& synonyms_;
};

}  // namespace tarn::command
