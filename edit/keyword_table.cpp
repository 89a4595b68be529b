#include "edit/keyword_table.h"

#include "core/text_case.h"

namespace tarn {

namespace {

constexpr size_t kFirstCapacity = 64;

template <bool Lowered>
char byteOf(char c) {
  if constexpr (Lowered) return asciiLower(c);
  return c;
}

// FNV-1a: keywords are short, and a byte at a time lets the word be folded
// as it is hashed.
template <bool Lowered>
uint32_t hashOf(std::string_view word) {
  uint32_t hash = 2166136261u;
  for (char c : word) {
    hash ^= static_cast<unsigned char>(byteOf<Lowered>(c));
    hash *= 16777619u;
  }
  return hash;
}

template <bool Lowered>
bool sameKey(std::string_view key, std::string_view word) {
  if (key.size() != word.size()) return false;
  for (size_t i = 0; i < key.size(); ++i)
    if (key[i] != byteOf<Lowered>(word[i])) return false;
  return true;
}

}  // namespace

template <bool Lowered>
size_t KeywordTable::slotFor(std::string_view word, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  while (slots_[i].used && !(slots_[i].hash == hash && sameKey<Lowered>(keyOf(slots_[i]), word)))
    i = (i + 1) & mask;
  return i;
}

template <bool Lowered>
int KeywordTable::findWith(std::string_view word) const {
  if (count_ == 0) return kAbsent;
  const Slot& slot = slots_[slotFor<Lowered>(word, hashOf<Lowered>(word))];
  return slot.used ? slot.value : kAbsent;
}

template int KeywordTable::findWith<false>(std::string_view) const;
template int KeywordTable::findWith<true>(std::string_view) const;

bool KeywordTable::insert(std::string_view word, uint8_t value, bool replace) {
  if ((count_ + 1) * 2 > slots_.size()) grow();
  const uint32_t hash = hashOf<false>(word);
  Slot& slot = slots_[slotFor<false>(word, hash)];
  if (slot.used) {
    if (replace) slot.value = value;
    return false;
  }
  slot = {hash, static_cast<uint32_t>(pool_.size()), static_cast<uint32_t>(word.size()), value, true};
  pool_.append(word);
  ++count_;
  return true;
}

void KeywordTable::grow() {
  std::vector<Slot> old(slots_.empty() ? kFirstCapacity : slots_.size() * 2);
  old.swap(slots_);
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.used) continue;
    size_t i = slot.hash & mask;
    while (slots_[i].used) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace tarn
