#include "edit/keyword_set_selection.h"

#include <algorithm>

#include "core/file_names.h"
#include "core/text_case.h"

namespace tarn {

namespace {

bool holds(const SyntaxSetSettings& set, std::string_view name, std::string_view extension) {
  return std::any_of(set.extensions.begin(), set.extensions.end(), [&](const std::string& entry) {
    return equalsIgnoringCase(entry, entry.starts_with('.') ? extension : name);
  });
}

bool takesEveryFile(const SyntaxSetSettings& set) {
  return std::find(set.extensions.begin(), set.extensions.end(), "*") != set.extensions.end();
}

}  // namespace

int selectKeywordSet(std::span<const SyntaxSetSettings> sets, int lastUsed, std::string_view fileName) {
  const int count = static_cast<int>(sets.size());
  for (int i = 0; i < count; ++i)
    if (takesEveryFile(sets[i])) return i;

  const std::string_view name = baseNameOf(fileName);
  const size_t dot = name.rfind('.');
  const std::string_view extension = dot == std::string_view::npos ? std::string_view(".") : name.substr(dot);
  if (lastUsed >= 0 && lastUsed < count && holds(sets[lastUsed], name, extension)) return lastUsed;
  for (int i = 0; i < count; ++i)
    if (holds(sets[i], name, extension)) return i;
  return -1;
}

}  // namespace tarn
