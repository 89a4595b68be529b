// The key-name table: every name a key definition can be given (`f1`,
// `c-ins`, `a-semicolon`), with its key class, its definition slot within
// the class and its key code. Built once at start-up, read-only afterwards.
#pragma once
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tarn::command {

// Classes 0..5: none, s- (Shift), c- (Ctrl), a- (Alt), u- (Ctrl+Shift),
// x- (Ctrl+Alt). The synonyms form a seventh class outside this table.
constexpr int kKeyClassCount = 6;
constexpr int kSlotsPerClass = 100;

struct KeyName {
  std::string name;  // with its class prefix
  int keyClass;
  int slot;
  int keyCode;
};

class KeyNameTable {
 public:
  KeyNameTable();

  std::span<const KeyName> entries() const { return entries_; }
  // Exact whole-name lookup after folding ASCII capitals; nullptr for no key.
  const KeyName* find(std::string_view name) const;
  // The first name of a key, for writing a definition back.
  std::optional<std::string_view> nameOf(int keyClass, int keyCode) const;
  // Slots in use in a class (names sharing a slot count once).
  int slotCount(int keyClass) const;

 private:
  std::vector<KeyName> entries_;
  std::unordered_map<std::string, std::size_t> byName_;
  std::map<std::pair<int, int>, std::size_t> byKey_;
  std::vector<int> slotCounts_;
};

}  // namespace tarn::command
