// The typing tab stops of the engine, from the `tabs` setting: the first
// tab column and the step between stops, or a list of columns. Columns in
// the setting count from 1; the engine's table counts from 0.
#pragma once

namespace tarn {

class Engine;
struct Settings;

void fillTabStops(Engine& engine, const Settings& settings);

}  // namespace tarn
