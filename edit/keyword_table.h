// The words of a keyword set with their values. Open addressing over one
// pool of key bytes: a word of a line is looked up as it stands, or as if
// lower-cased, without building a string for it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Bits of a keyword's value.
namespace keyword_bit {
constexpr uint8_t kListedFirst = 1;  // listed before the end of the keywords
constexpr uint8_t kLearned = 2;      // added while editing
}  // namespace keyword_bit

class KeywordTable {
 public:
  static constexpr int kAbsent = -1;

  // Adds a word with its value; a word already there takes the new value
  // only with replace. True when the word was not there before.
  bool insert(std::string_view word, uint8_t value, bool replace);

  // The value of a word, or kAbsent.
  int find(std::string_view word) const { return findWith<false>(word); }
  // The value of the word lower-cased (ASCII capitals only).
  int findLowered(std::string_view word) const { return findWith<true>(word); }

  size_t size() const { return count_; }

  // Calls visit(word, value) for every word, in no particular order.
  template <class Visit>
  void forEach(Visit&& visit) const {
    for (const Slot& slot : slots_)
      if (slot.used) visit(keyOf(slot), slot.value);
  }

 private:
  struct Slot {
    uint32_t hash = 0;
    uint32_t offset = 0;  // of the key in pool_
    uint32_t length = 0;
    uint8_t value = 0;
    bool used = false;
  };

  template <bool Lowered>
  int findWith(std::string_view word) const;
  template <bool Lowered>
  size_t slotFor(std::string_view word, uint32_t hash) const;
  std::string_view keyOf(const Slot& slot) const { return {pool_.data() + slot.offset, slot.length}; }
  void grow();

  std::vector<Slot> slots_;  // a power of two in size, at most half used
  std::string pool_;
  size_t count_ = 0;
};

}  // namespace tarn
