#include "core/file_tabs.h"

namespace tarn {

int fileTabWidth(int setting) { return setting >= 1 && setting <= 1023 ? setting : 14; }

std::string fileTabLabel(std::string_view path, int width) {
  auto slash = path.find_last_of('/');
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  std::string label;
  if (width >= 3)
    label = " " + std::string(name.substr(0, width - 2)) + " ";
  else
    label = name.substr(0, width);
  label.resize(width, ' ');
  return label;
}

}  // namespace tarn
