#include "core/border_map.h"

namespace tarn {

namespace {
constexpr char kBuiltIn[] = "\xDA\xBF\xC0\xD9\xC4\xB3\xC9\xBB\xC8\xBC\xCD\xBA";
}  // namespace

std::string_view builtInBorders() { return {kBuiltIn, border::kCount}; }

std::string mapBorders(std::string_view text, std::string_view borders) {
  std::string out(text);
  if (borders.size() < border::kCount) return out;
  std::string_view from = builtInBorders();
  for (char& c : out) {
    auto at = from.find(c);
    if (at != std::string_view::npos) c = borders[at];
  }
  return out;
}

}  // namespace tarn
