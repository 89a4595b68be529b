#include "core/line_trim.h"

#include "core/settings.h"

namespace tarn {

uint32_t trimBlanks(char* text, uint32_t length, int trimBits) {
  if (!(trimBits & (trim::kLeading | trim::kTrailing | trim::kCompress))) return length;
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
