#include "core/word_separators.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tarn {

namespace {

std::optional<unsigned char> letterEscape(char c) {
  switch (c) {
    case '"': return '"';
    case '\\': return '\\';
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    default: return std::nullopt;
  }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void WordSeparators::reset() {
  flags_.fill(false);
  for (unsigned char c : {'\t', '\n', '\r', ' '}) flags_[c] = true;
}

bool WordSeparators::rebuild(std::string_view value, bool allExcept) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  std::array<bool, 256> listed{};
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      listed[static_cast<unsigned char>(value[i])] = true;
      continue;
    }
    if (++i == value.size()) return false;
    if (isDigit(value[i])) {
      // At most three digits, so that a digit may follow a numeric escape.
      int n = 0;
      for (size_t end = std::min(i + 3, value.size()); i < end && isDigit(value[i]); ++i)
        n = n * 10 + (value[i] - '0');
      if (n > 255) return false;
      --i;
      listed[n] = true;
      continue;
    }
    auto byte = letterEscape(value[i]);
    if (!byte) return false;
    listed[*byte] = true;
  }
  for (size_t b = 0; b < flags_.size(); ++b) flags_[b] = listed[b] != allExcept;
  return true;
}

std::string WordSeparators::listed() const {
  std::string out;
  for (int b = 0; b < 256; ++b) {
    if (!flags_[b]) continue;
    switch (b) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default:
        if (b < 32 || b >= 127) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\%03d", b);
          out += escape;
        } else {
          out += static_cast<char>(b);
        }
    }
  }
  return out;
}

}  // namespace tarn
