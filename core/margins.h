// The formatting margins as the engine takes them: one-based columns, each
// kept usable against the longest allowed line.
#pragma once

namespace tarn {

struct Settings;

// Sets the left, right and paragraph margins. A left or paragraph margin
// below 1 or not below the longest line becomes 1; a right margin below 1
// or not below it becomes 80.
void setMargins(Settings& settings, int left, int right, int paragraph, int longestLine);

}  // namespace tarn
