#include "edit/sort_order.h"

#include <algorithm>
#include <cstring>

#include "core/text_case.h"
#include "edit/calc_numbers.h"

namespace tarn {

namespace {

// One line as the comparison sees it. The first eight bytes of the key,
// big-endian, settle most comparisons without reaching the text.
struct Entry {
  const char* text;
  uint32_t length;
  uint32_t keyFrom;    // after the blanks passed over with r
  uint32_t keyLength;  // to the key end or the end of the line
  uint32_t index;
  union {
    uint64_t prefix;
    double number;
  };

  std::string_view whole() const { return {text, length}; }
  std::string_view key() const { return {text + keyFrom, keyLength}; }
  std::string_view fromKey() const { return {text + keyFrom, length - keyFrom}; }
};

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

class Comparison {
 public:
  explicit Comparison(const SortRule& rule)
      : rule_(rule),
        ignoreCase_(rule.bits & sortbit::kIgnoreCase),
        numbers_(rule.bits & sortbit::kNumbers),
        sign_(rule.bits & sortbit::kDescending ? -1 : 1) {}

  Entry entry(std::string_view line, uint32_t index) const {
    Entry e{line.data(), static_cast<uint32_t>(line.size()), 0, 0, index, {0}};
    if (isShort(e)) return e;
    size_t from = static_cast<size_t>(rule_.keyStart) - 1;
    if (rule_.bits & sortbit::kSkipBlanks)
      while (from < line.size() && line[from] == ' ') ++from;
    // The key keeps its length when r moves its start past blanks.
    size_t to = rule_.keyEnd > 0 ? std::min(from + keyLength(), line.size()) : line.size();
    e.keyFrom = static_cast<uint32_t>(from);
    e.keyLength = static_cast<uint32_t>(to - from);
    if (numbers_) {
      e.number = calc::readNumber(e.key()).value_or(0);
    } else {
      for (size_t i = 0; i < 8; ++i) {
        char c = i < e.keyLength ? e.text[from + i] : '\0';
        e.prefix = e.prefix << 8 | static_cast<unsigned char>(ignoreCase_ ? asciiLower(c) : c);
      }
    }
    return e;
  }

  bool operator()(const Entry& a, const Entry& b) const { return sign_ * compare(a, b) < 0; }

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
  // With a key end: its columns, none when it lies before the start.
  size_t keyLength() const { return static_cast<size_t>(std::max(rule_.keyEnd - rule_.keyStart + 1, 0)); }

  int compare(const Entry& a, const Entry& b) const {
    bool shortA = isShort(a);
    if (shortA != isShort(b)) return shortA ? -1 : 1;
    if (shortA) return compareBytes(a.whole(), b.whole(), ignoreCase_);
    if (numbers_) return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
    if (int c = compareBytes(a.key(), b.key(), ignoreCase_)) return c;
    if (rule_.keyEnd > 0) return compareBytes(a.fromKey(), b.fromKey(), ignoreCase_);
    if (rule_.keyStart > 1) return compareBytes(a.whole(), b.whole(), ignoreCase_);
    return 0;
  }

  SortRule rule_;
  bool ignoreCase_;
  bool numbers_;
  int sign_;
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
  entries.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) entries.push_back(comparison.entry(lines[i], static_cast<uint32_t>(i)));
  std::stable_sort(entries.begin(), entries.end(), comparison);

  bool compact = rule.bits & sortbit::kCompact;
  bool uniqueKeys = rule.bits & sortbit::kUniqueKeys;
  std::vector<uint32_t> order;
  order.reserve(entries.size());
  const Entry* kept = nullptr;
  for (const Entry& e : entries) {
    if (kept && ((compact && comparison.sameLine(*kept, e)) || (uniqueKeys && comparison.sameKey(*kept, e))))
      continue;
    order.push_back(e.index);
    kept = &e;
  }
  return order;
}

}  // namespace tarn
