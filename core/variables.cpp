#include "core/variables.h"

#include <algorithm>

namespace tarn {

namespace {

char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool Variables::NoCaseLess::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return folded(x) < folded(y); });
}

const Variables::Entry* Variables::entry(std::string_view name) const {
  const Map& map = isGlobal(name) ? globals_ : locals_;
  auto found = map.find(name);
  return found == map.end() ? nullptr : &found->second;
}

const std::string* Variables::find(std::string_view name) const {
  const Entry* e = entry(name);
  return e ? &e->value : nullptr;
}

double Variables::width(std::string_view name) const {
  const Entry* e = entry(name);
  return e ? e->width : 0;
}

void Variables::set(std::string_view name, std::string value, std::optional<double> width) {
  Map& map = mapOf(name);
  auto found = map.find(name);
  if (found == map.end()) found = map.emplace(name, Entry{}).first;
  found->second.value = std::move(value);
  if (width) found->second.width = *width;
}

}  // namespace tarn
