#include "edit/justification.h"

#include <algorithm>

#include "core/settings.h"
#include "edit/blank_trims.h"

namespace tarn {

JustifyRounding& sharedJustifyRounding() {
  static JustifyRounding rounding;
  return rounding;
}

std::optional<std::string> justified(std::string_view text, int width, JustifyRounding& rounding) {
  std::string squeezed(text);
  trimText(squeezed, trim::kTrailing | trim::kCompress);
  size_t firstNonBlank = squeezed.find_first_not_of(' ');
  if (firstNonBlank == std::string::npos || squeezed.size() > static_cast<size_t>(std::max(width, 0)))
    return std::nullopt;
  auto gaps = static_cast<int>(std::count(squeezed.begin() + static_cast<std::ptrdiff_t>(firstNonBlank),
                                          squeezed.end(), ' '));
  int extra = width - static_cast<int>(squeezed.size());
  std::string spread;
  spread.reserve(static_cast<size_t>(width));
  for (size_t i = squeezed.size(); i-- > 0;) {
    spread += squeezed[i];
    if (i > firstNonBlank && squeezed[i] == ' ' && gaps > 0) {
      int share = rounding.up ? (extra + gaps - 1) / gaps : extra / gaps;
      spread.append(static_cast<size_t>(share), ' ');
      extra -= share;
      --gaps;
    }
  }
  std::reverse(spread.begin(), spread.end());
  rounding.up = !rounding.up;
  return spread;
}

size_t placeAfterBlankChange(std::string_view before, std::string_view after, size_t place) {
  size_t end = std::min(place, before.size());
  auto nonBlanks = static_cast<size_t>(std::count_if(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(end),
                                                     [](char c) { return c != ' '; }));
  if (nonBlanks == 0) return std::min(place, after.find_first_not_of(' ') == std::string_view::npos
                                                 ? after.size()
                                                 : after.find_first_not_of(' '));
  // Just after the same number of non-blanks.
  size_t i = 0;
  for (size_t seen = 0; i < after.size() && seen < nonBlanks; ++i)
    if (after[i] != ' ') ++seen;
  bool onNonBlank = place < before.size() && before[place] != ' ';
  if (onNonBlank) {
    while (i < after.size() && after[i] == ' ') ++i;
    return i;
  }
  bool blanksFollowed = place > 0 && (place > before.size() || before[place - 1] == ' ');
  return blanksFollowed ? i + 1 : i;
}

}  // namespace tarn
