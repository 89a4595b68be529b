#include "command/definition_store.h"

namespace tarn::command {

DefinitionStore::DefinitionStore() = default;

void DefinitionStore::clear() {
  for (auto& keyClass : slots_) {
    for (Slot& slot : keyClass) slot = Slot{};
  }
  synonyms_.clear();
}

const int* DefinitionStore::find(int keyClass, int keyCode) const {
  if (keyClass < 0 || keyClass >= kDefinitionClasses || keyCode == 0) return nullptr;
  for (const Slot& slot : slots_[static_cast<std::size_t>(keyClass)]) {
    if (slot.keyCode == keyCode) return slot.codes.data();
  }
  return nullptr;
}

std::span<const int> DefinitionStore::codes(int keyClass, int slot) const {
  const std::vector<int>& codes = at(keyClass, slot).codes;
  return std::span<const int>(codes).first(codes.size() - 1);
}

void DefinitionStore::empty(int keyClass, int slot) { at(keyClass, slot) = Slot{}; }

void DefinitionStore::start(int keyClass, int slot, int keyCode) {
  Slot& s = at(keyClass, slot);
  s = Slot{};
  s.keyCode = keyCode;
}

bool DefinitionStore::append(int keyClass, int slot, int code) {
  std::vector<int>& codes = at(keyClass, slot).codes;
  if (codes.size() - 1 >= kLongestDefinition) return false;
  codes.back() = code;
  codes.push_back(0);
  return true;
}

DefinitionStore::Slot& DefinitionStore::at(int keyClass, int slot) {
  return slots_.at(static_cast<std::size_t>(keyClass)).at(static_cast<std::size_t>(slot));
}

const DefinitionStore::Slot& DefinitionStore::at(int keyClass, int slot) const {
  return slots_.at(static_cast<std::size_t>(keyClass)).at(static_cast<std::size_t>(slot));
}

}  // namespace tarn::command
