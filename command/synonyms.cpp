#include "command/synonyms.h"

#include "command/ascii.h"

namespace tarn::command {

std::optional<int> SynonymTable::find(std::string_view name) const {
  auto found = byName_.find(asciiLower(name));
  if (found == byName_.end()) return std::nullopt;
  return found->second;
}

std::optional<int> SynonymTable::enter(std::string_view name) {
  std::string lowered = asciiLower(name);
  if (auto found = byName_.find(lowered); found != byName_.end()) return found->second;
  if (size() >= kCapacity) return std::nullopt;
  const int entry = size();
  names_.push_back(lowered);
  byName_.emplace(std::move(lowered), entry);
  return entry;
}

void SynonymTable::clear() {
  names_.clear();
  byName_.clear();
}

}  // namespace tarn::command
