// The function table: every function and typed command name with its code,
// in table order, and the lookups over it. Built once at start-up from the
// catalogue and read-only afterwards.
#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "command/function_catalogue.h"

namespace tarn::command {

struct FunctionEntry {
  std::string_view name;
  int code;
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

  // The name a code is shown under: with abbreviations on the first entry
  // that has the code (as a rule the abbreviation), otherwise the last one.
  std::optional<std::string_view> nameOf(int code, bool abbreviated) const;

  bool hasName(int code) const { return byCode_.contains(code); }
  // ArgumentKind::None for a code without a name.
  ArgumentKind argumentKind(int code) const;
  // The count form of up, down, left and right, and back.
  std::optional<int> countFormOf(int code) const;
  std::optional<int> codeOfCountForm(int countCode) const;

 private:
  struct CodeInfo {
    ArgumentKind argument;
    int countCode;
    std::size_t first;
    std::size_t last;
  };

  std::span<const FunctionRow> rows_;
  std::vector<FunctionEntry> entries_;
  std::unordered_map<std::string_view, std::size_t> byName_;
  std::unordered_map<int, CodeInfo> byCode_;
  std::unordered_map<int, int> byCountCode_;
};

}  // namespace tarn::command
