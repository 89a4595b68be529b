#include "core/variables.h"

namespace tarn {

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

}  // namespace tarn
