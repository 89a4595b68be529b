// The definition store: the compiled definitions of the keys and the
// synonyms. Seven classes (the six key classes, then the synonyms) of 101
// slots; a slot holds the key code it answers to (0 while empty) and a code
// list of at most 1023 codes, kept ended by 0 so that the key loop can take
// it as it is.
#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "command/synonyms.h"

namespace tarn::command {

constexpr int kDefinitionClasses = 7;
constexpr int kSynonymClass = 6;
constexpr int kDefinitionSlots = 101;
constexpr std::size_t kLongestDefinition = 1023;

class DefinitionStore {
 public:
  DefinitionStore();

  // Empties every slot and forgets the synonyms.
  void clear();

  // The codes of the first slot of the class answering to keyCode, ended
  // by 0; null when none does (and for key code 0).
  const int* find(int keyClass, int keyCode) const;

  int keyCode(int keyClass, int slot) const { return at(keyClass, slot).keyCode; }
  // A slot's codes without the closing 0.
  std::span<const int> codes(int keyClass, int slot) const;

  // The slot answers to no key and holds no codes.
  void empty(int keyClass, int slot);
  // The slot answers to keyCode and holds no codes yet.
  void start(int keyClass, int slot, int keyCode);
  // Appends a code; false, dropping the code, when the slot already holds
  // the longest definition.
  bool append(int keyClass, int slot, int code);

  SynonymTable& synonyms() { return synonyms_; }
  const SynonymTable& synonyms() const { return synonyms_; }

 private:
  struct Slot {
    int keyCode = 0;
    std::vector<int> codes{0};  // ended by 0
  };

  Slot& at(int keyClass, int slot);
  const Slot& at(int keyClass, int slot) const;

  std::array<std::array<Slot, kDefinitionSlots>, kDefinitionClasses> slots_;
  SynonymTable synonyms_;
};

}  // namespace tarn::command
