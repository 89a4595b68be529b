#include "core/tab_stops.h"

#include <algorithm>
#include <charconv>

#include "core/settings.h"

namespace tarn {

void setTabStops(TabStops& stops, int first, int step) {
  if (first < 1) first = 9;
  if (step < 1) step = 8;
  stops.fill(0);
  for (int column = first - 1; column < kTabStopColumns; column += step) stops[column] = 1;
}

bool setTabStopList(TabStops& stops, std::string_view list) {
  TabStops parsed{};
  size_t i = 0;
  while (i < list.size()) {
    if (list[i] == ' ' || list[i] == ',' || list[i] == '\t') {
      ++i;
      continue;
    }
    size_t end = list.find_first_of(" ,\t", i);
    if (end == std::string_view::npos) end = list.size();
    std::string_view word = list.substr(i, end - i);
    i = end;
    if (word.find_first_not_of("0123456789") != std::string_view::npos) return false;
    word.remove_prefix(std::min(word.find_first_not_of('0'), word.size()));
    if (word.empty()) return false;  // column 0
    if (word.size() > 4) continue;   // beyond the table
    int column = 0;
    std::from_chars(word.data(), word.data() + word.size(), column);
    if (column <= kTabStopColumns) parsed[column - 1] = 1;
  }
  stops = parsed;
  return true;
}

bool applyTabSettings(TabStops& stops, const Settings& settings) {
  if (settings.tabsAsList) return setTabStopList(stops, settings.tabList);
  setTabStops(stops, settings.tabFirst, settings.tabStep);
  return true;
}

int nextTabStop(const TabStops& stops, int column) {
  for (int c = column < 0 ? 0 : column + 1; c < kTabStopColumns; ++c)
    if (stops[c]) return c;
  return -1;
}

int previousTabStop(const TabStops& stops, int column) {
  for (int c = (column > kTabStopColumns ? kTabStopColumns : column) - 1; c >= 0; --c)
    if (stops[c]) return c;
  return -1;
}

}  // namespace tarn
