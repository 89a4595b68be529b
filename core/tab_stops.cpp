#include "core/tab_stops.h"

#include <cstdlib>

#include "core/engine.h"
#include "core/settings.h"

namespace tarn {

void fillTabStops(Engine& engine, const Settings& settings) {
  auto& stops = engine.tabStops();
  stops.fill(0);
  const int columns = static_cast<int>(stops.size());
  auto setColumn = [&](long column) {
    if (column >= 1 && column <= columns) stops[static_cast<std::size_t>(column - 1)] = 1;
  };

  if (!settings.tabsAsList) {
    if (settings.tabStep < 1) return;
    for (long column = settings.tabFirst; column <= columns; column += settings.tabStep) setColumn(column);
    return;
  }
  // The list: numbers separated by blanks or commas; other text is skipped.
  const char* p = settings.tabList.c_str();
  while (*p) {
    char* end = nullptr;
    const long column = std::strtol(p, &end, 10);
    if (end == p) {
      ++p;
    } else {
      setColumn(column);
      p = end;
    }
  }
}

}  // namespace tarn
