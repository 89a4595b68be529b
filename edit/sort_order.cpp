#include "edit/sort_order.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/text_case.h"
#include "edit/calc_numbers.h"

namespace tarn {

namespace {

// One line as the comparison sees it.
struct Entry {
  const char* text;
  uint32_t length;
  uint32_t keyFrom;    // after the blanks passed over with r
  uint32_t keyLength;  // to the key end or the end of the line
  double number;       // with n

  std::string_view whole() const { return {text, length}; }
  std::string_view key() const { return {text + keyFrom, keyLength}; }
  std::string_view fromKey() const { return {text + keyFrom, length - keyFrom}; }
};

// What is sorted: a 128-bit lead that orders the lines as the comparison
// does wherever two leads differ, and the line's index. Most comparisons
// end at the lead, without reaching the text; those of short texts end
// there too, as the lead holds all that they compare.
struct Lead {
  uint64_t high;
  uint64_t low;
  uint32_t index;
  uint32_t wholeLength;  // the length of the text the lead holds whole, else kPartial
};

constexpr uint32_t kPartial = UINT32_MAX;
// The lead keeps the first 16 bytes but the last bit of the sixteenth.
constexpr size_t kWholeInLead = 15;

int compareBytes(std::string_view a, std::string_view b, bool ignoreCase) {
  size_t n = std::min(a.size(), b.size());
  if (!ignoreCase) {
    if (int c = std::memcmp(a.data(), b.data(), n)) return c;
  } else {
    for (size_t i = 0; i < n; ++i) {
      auto x = static_cast<unsigned char>(asciiLower(a[i]));
      auto y = static_cast<unsigned char>(asciiLower(b[i]));
      if (x != y) return x < y ? -1 : 1;
    }
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// A double as an unsigned number in the same order.
uint64_t orderedBits(double value) {
  auto bits = std::bit_cast<uint64_t>(value == 0 ? 0.0 : value);  // -0 and 0 are one number
  return bits >> 63 ? ~bits : bits | (uint64_t{1} << 63);
}

class Comparison {
 public:
  explicit Comparison(const SortRule& rule)
      : rule_(rule),
        ignoreCase_(rule.bits & sortbit::kIgnoreCase),
        numbers_(rule.bits & sortbit::kNumbers),
        descending_(rule.bits & sortbit::kDescending) {}

  Entry entry(std::string_view line) const {
    Entry e{line.data(), static_cast<uint32_t>(line.size()), 0, 0, 0};
    if (isShort(e)) return e;
    size_t from = static_cast<size_t>(rule_.keyStart) - 1;
    if (rule_.bits & sortbit::kSkipBlanks)
      while (from < line.size() && line[from] == ' ') ++from;
    // The key keeps its length when r moves its start past blanks.
    size_t to = rule_.keyEnd > 0 ? std::min(from + keyLength(), line.size()) : line.size();
    e.keyFrom = static_cast<uint32_t>(from);
    e.keyLength = static_cast<uint32_t>(to - from);
    if (numbers_) e.number = calc::readNumber(e.key()).value_or(0);
    return e;
  }

  // The top bit tells a line that reaches the key start; then the number,
  // or the first bytes of the key (of the whole line when it is short).
  Lead lead(const Entry& e, uint32_t index) const {
    bool reaches = !isShort(e);
    Lead l{0, 0, index, wholeLength(e)};
    if (numbers_ && reaches) {
      l.high = orderedBits(e.number) >> 1;
    } else {
      std::string_view bytes = reaches ? e.key() : e.whole();
      for (size_t i = 0; i < 16; ++i) {
        char c = i < bytes.size() ? bytes[i] : '\0';
        uint64_t& half = i < 8 ? l.high : l.low;
        half = half << 8 | static_cast<unsigned char>(ignoreCase_ ? asciiLower(c) : c);
      }
      l.low = l.low >> 1 | l.high << 63;
      l.high >>= 1;
    }
    l.high |= static_cast<uint64_t>(reaches) << 63;
    if (descending_) {
      l.high = ~l.high;
      l.low = ~l.low;
    }
    return l;
  }

  // A total order: lines that compare equal keep their order.
  bool before(const Lead& a, const Lead& b, const std::vector<Entry>& entries) const {
    if (a.high != b.high) return a.high < b.high;
    if (a.low != b.low) return a.low < b.low;
    if (a.wholeLength != kPartial && b.wholeLength != kPartial) {
      // Alike in every byte the two hold: the shorter is the beginning of the other.
      if (a.wholeLength == b.wholeLength) return a.index < b.index;
      return descending_ ? a.wholeLength > b.wholeLength : a.wholeLength < b.wholeLength;
    }
    int c = compare(entries[a.index], entries[b.index]);
    if (c != 0) return descending_ ? c > 0 : c < 0;
    return a.index < b.index;
  }

  bool sameLine(const Entry& a, const Entry& b) const { return compareBytes(a.whole(), b.whole(), ignoreCase_) == 0; }

  // Both lines hold the whole key (reach the key start when the key goes
  // to the end of the line) and their keys are equal.
  bool sameKey(const Entry& a, const Entry& b) const {
    auto reaches = [this](const Entry& e) {
      return !isShort(e) && (rule_.keyEnd == 0 || e.keyLength == keyLength());
    };
    if (!reaches(a) || !reaches(b)) return false;
    return numbers_ ? a.number == b.number : compareBytes(a.key(), b.key(), ignoreCase_) == 0;
  }

 private:
  bool isShort(const Entry& e) const { return e.length < static_cast<uint32_t>(rule_.keyStart); }
  // The length of the bytes the comparison of a line looks at, when the
  // lead holds them all (a number never counts as held).
  uint32_t wholeLength(const Entry& e) const {
    if (isShort(e)) return e.length <= kWholeInLead ? e.length : kPartial;
    bool keyAlone = !numbers_ && rule_.keyStart == 1 && rule_.keyEnd == 0;
    return keyAlone && e.keyLength <= kWholeInLead ? e.keyLength : kPartial;
  }
  // With a key end: its columns, none when it lies before the start.
  size_t keyLength() const { return static_cast<size_t>(std::max(rule_.keyEnd - rule_.keyStart + 1, 0)); }

  int compare(const Entry& a, const Entry& b) const {
    bool shortA = isShort(a);
    if (shortA != isShort(b)) return shortA ? -1 : 1;
    if (shortA) return compareBytes(a.whole(), b.whole(), ignoreCase_);
    if (numbers_) return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    if (int c = compareBytes(a.key(), b.key(), ignoreCase_)) return c;
    if (rule_.keyEnd > 0) return compareBytes(a.fromKey(), b.fromKey(), ignoreCase_);
    if (rule_.keyStart > 1) return compareBytes(a.whole(), b.whole(), ignoreCase_);
    return 0;
  }

  SortRule rule_;
  bool ignoreCase_;
  bool numbers_;
  bool descending_;
};

}  // namespace

SortRule sortRuleOf(intptr_t bits, intptr_t columns) {
  SortRule rule{static_cast<int>(bits), static_cast<int16_t>(columns & 0xFFFF),
                static_cast<int>((columns >> 16) & 0xFFFF)};
  if (rule.keyStart < 0) {
    rule.bits |= sortbit::kDescending;
    rule.keyStart = -rule.keyStart;
  }
  if (rule.keyStart == 0) rule.keyStart = 1;
  return rule;
}

std::vector<uint32_t> sortedOrder(std::span<const std::string_view> lines, const SortRule& rule) {
  Comparison comparison(rule);
  std::vector<Entry> entries;
  std::vector<Lead> leads;
  entries.reserve(lines.size());
  leads.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    entries.push_back(comparison.entry(lines[i]));
    leads.push_back(comparison.lead(entries.back(), static_cast<uint32_t>(i)));
  }
  std::sort(leads.begin(), leads.end(),
            [&](const Lead& a, const Lead& b) { return comparison.before(a, b, entries); });

  bool compact = rule.bits & sortbit::kCompact;
  bool uniqueKeys = rule.bits & sortbit::kUniqueKeys;
  std::vector<uint32_t> order;
  order.reserve(leads.size());
  const Entry* kept = nullptr;
  for (const Lead& l : leads) {
    const Entry& e = entries[l.index];
    if (kept && ((compact && comparison.sameLine(*kept, e)) || (uniqueKeys && comparison.sameKey(*kept, e))))
      continue;
    order.push_back(l.index);
    kept = &e;
  }
  return order;
}

}  // namespace tarn
