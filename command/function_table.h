// The function table: every function and typed command name with its code,
// in table order, and the lookups over it, from a name or a code to the
// names, the argument kinds and the handler. Built once at start-up from the
// catalogue; the command language gives it the handlers as it starts.
#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "command/function_catalogue.h"
#include "command/invocation.h"

namespace tarn::command {

struct FunctionEntry {
  std::string_view name;
  int code;
};

// `fill mark 'x'`: a function and the character quoted after its name.
struct QuotedForm {
  int code;
  CharacterArgument kind;
  char character;
};

class FunctionTable {
 public:
  FunctionTable();

  std::span<const FunctionEntry> entries() const { return entries_; }
  std::span<const FunctionRow> rows() const { return rows_; }
  std::size_t codeCount() const { return byCode_.size(); }

  // Whole-name lookup after folding ASCII capitals; no prefix matching.
  std::optional<std::size_t> find(std::string_view name) const;
  std::optional<int> codeOf(std::string_view name) const;
  // The function named at the start of a bracket's text and what follows
  // the name: a name of two words before its first word alone, so that
  // `macro play 3` is macro play with a count, not macro with a file.
  struct LeadingName {
    int code;
    std::string_view after;  // from the end of the name
  };
  std::optional<LeadingName> leadingName(std::string_view text) const;
  // Whether the text, that name and a quoted character after it, names a
  // character the function cannot take: `bookmark set '1'`. Such a text is
  // no form of the function.
  bool refusesQuoted(std::string_view text, const LeadingName& name) const;

  // The name a code is shown under: with abbreviations on the first entry
  // that has the code (as a rule the abbreviation), otherwise the last one.
  std::optional<std::string_view> nameOf(int code, bool abbreviated) const;

  bool hasName(int code) const { return byCode_.contains(code); }
  // ArgumentKind::None for a code without a name.
  ArgumentKind argumentKind(int code) const;
  CharacterArgument characterArgument(int code) const;
  // The code of a name that takes a quoted character after it: any of its
  // names, or for a letter only the full one.
  std::optional<int> codeTakingQuoted(std::string_view name) const;
  // A text of such a name, blanks and a quoted character.
  std::optional<QuotedForm> quotedForm(std::string_view text) const;
  // The count form of up, down, left and right, and back.
  std::optional<int> countFormOf(int code) const;
  std::optional<int> codeOfCountForm(int countCode) const;

  // What carries a code out (a named one, or a count form); null for a
  // code without a handler.
  void setHandler(int code, Handler handler);
  const Handler* handler(int code) const;
  // Listed by the catalogue as built by later work.
  bool isLater(int code) const;

 private:
  struct CodeInfo {
    ArgumentKind argument;
    int countCode;
    CharacterArgument character;
    std::size_t first;
    std::size_t last;
  };

  std::span<const FunctionRow> rows_;
  std::vector<FunctionEntry> entries_;
  std::unordered_map<std::string_view, std::size_t> byName_;
  std::unordered_map<int, CodeInfo> byCode_;
  std::unordered_map<int, int> byCountCode_;
  std::unordered_map<int, Handler> handlers_;
};

}  // namespace tarn::command
