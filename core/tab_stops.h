// The typing tab stops: entry n of the table is set when display column n
// (from 0) is a tab stop. `set tabs` gives them as a first column and a step
// or as a list, both one-based.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace tarn {

struct Settings;

constexpr int kTabStopColumns = 2048;
using TabStops = std::array<uint8_t, kTabStopColumns>;

// Stops at the one-based column first and every step columns after it; a
// value below 1 keeps the default (9 or 8).
void setTabStops(TabStops& stops, int first, int step);

// Stops at the one-based columns of a list separated by blanks or commas;
// columns beyond the table are left out. Returns false, leaving the table
// as it was, when a word is not a positive number.
bool setTabStopList(TabStops& stops, std::string_view list);

// The stops the `tabs` setting asks for (its list when it holds one).
bool applyTabSettings(TabStops& stops, const Settings& settings);

// The first stop after column, or -1 when none lies beyond it.
int nextTabStop(const TabStops& stops, int column);
// The last stop before column, or -1 when none lies before it.
int previousTabStop(const TabStops& stops, int column);

}  // namespace tarn
