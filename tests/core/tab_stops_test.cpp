#include "core/tab_stops.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/engine.h"
#include "core/settings.h"

namespace tarn {
namespace {

std::vector<int> stopsOf(const Settings& settings) {
  Engine engine;
  engine.tabStops().fill(1);
  fillTabStops(engine, settings);
  std::vector<int> stops;
  for (int column = 0; column < Engine::kTabStopColumns; ++column) {
    if (engine.isTabStop(column)) stops.push_back(column);
  }
  return stops;
}

TEST(TabStops, FirstColumnAndStepCountFromOne) {
  Settings settings;
  settings.tabFirst = 9;
  settings.tabStep = 8;
  const std::vector<int> stops = stopsOf(settings);
  ASSERT_EQ(stops.size(), 255u);
  EXPECT_EQ(stops[0], 8);
  EXPECT_EQ(stops[1], 16);
  EXPECT_EQ(stops.back(), 2040);

  settings.tabFirst = 3;
  settings.tabStep = 2000;
  EXPECT_EQ(stopsOf(settings), (std::vector<int>{2, 2002}));
}

TEST(TabStops, AListSetsOnlyItsColumns) {
  Settings settings;
  settings.tabsAsList = true;
  settings.tabList = "5 10,20  0 -3 x 2048 2049";
  EXPECT_EQ(stopsOf(settings), (std::vector<int>{4, 9, 19, 2047}));
}

}  // namespace
}  // namespace tarn
