// The synonym table: user names for code lists (`syn name=definition`).
// Entry n answers to the code 0x1000 + n and keeps its definition in slot n
// of the synonym class of the definition store. Names are kept in lower
// case; defining a name again reuses its entry.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarn::command {

class SynonymTable {
 public:
  static constexpr int kCapacity = 100;
  static constexpr std::size_t kLongestName = 35;

  // The entry of a name, ignoring ASCII case.
  std::optional<int> find(std::string_view name) const;
  // The entry of a name, made when the name is new; nothing when the table
  // is full (the table is then unchanged). The caller keeps names within
  // kLongestName.
  std::optional<int> enter(std::string_view name);

  std::string_view name(int entry) const { return names_.at(static_cast<std::size_t>(entry)); }
  int size() const { return static_cast<int>(names_.size()); }
  void clear();

 private:
  std::vector<std::string> names_;
  std::unordered_map<std::string, int> byName_;
};

}  // namespace tarn::command
