#include "core/line_trim.h"

#include <cstring>

#include "core/settings.h"

namespace tarn {

uint32_t trimBlanks(char* text, uint32_t length, int trimBits) {
  if (!(trimBits & (trim::kLeading | trim::kTrailing | trim::kCompress))) return length;
  if (!(trimBits & trim::kCompress)) {
    // Only the ends change: nothing in between is rewritten.
    uint32_t start = 0;
    if (trimBits & trim::kLeading)
      while (start < length && text[start] == ' ') ++start;
    uint32_t end = length;
    if (trimBits & trim::kTrailing)
      while (end > start && text[end - 1] == ' ') --end;
    if (start > 0) std::memmove(text, text + start, end - start);
    return end - start;
  }
  uint32_t read = 0;
  if (trimBits & trim::kLeading)
    while (read < length && text[read] == ' ') ++read;
  uint32_t written = 0;
  bool afterWord = false;  // a non-blank was seen, so runs from here on are squeezed
  for (; read < length; ++read) {
    char c = text[read];
    if (c == ' ' && afterWord && (trimBits & trim::kCompress) && text[written - 1] == ' ') continue;
    if (c != ' ') afterWord = true;
    text[written++] = c;
  }
  if (trimBits & trim::kTrailing)
    while (written > 0 && text[written - 1] == ' ') --written;
  return written;
}

}  // namespace tarn
