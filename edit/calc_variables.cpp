#include "edit/calc_variables.h"

namespace tarn::calc {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const std::string* Variables::find(std::string_view name) const {
  const Map& map = isGlobal(name) ? globals_ : locals_;
  auto found = map.find(name);
  return found == map.end() ? nullptr : &found->second;
}

void Variables::set(std::string_view name, std::string value) {
  Map& map = isGlobal(name) ? globals_ : locals_;
  auto found = map.find(name);
  if (found == map.end())
    map.emplace(name, std::move(value));
  else
    found->second = std::move(value);
}

size_t nameLength(std::string_view text) {
  if (text.empty() || !isLetter(text[0])) return 0;
  size_t length = 1;
  while (length < text.size() && (isLetter(text[length]) || isDigit(text[length]))) ++length;
  return length;
}

}  // namespace tarn::calc
