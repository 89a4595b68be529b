#include <gtest/gtest.h>

#include "core/engine.h"
#include "core/settings.h"
#include "core/tab_stops.h"

namespace tarn {
namespace {

std::vector<int> stopsBelow(const TabStops& stops, int limit) {
  std::vector<int> columns;
  for (int c = 0; c < limit; ++c)
    if (stops[c]) columns.push_back(c);
  return columns;
}

TEST(TabStops, EngineStartsWithNineEight) {
  Engine engine;
  EXPECT_EQ(stopsBelow(engine.tabStops(), 40), (std::vector<int>{8, 16, 24, 32}));
}

TEST(TabStops, FirstAndStepAreOneBased) {
  TabStops stops{};
  setTabStops(stops, 5, 4);
  EXPECT_EQ(stopsBelow(stops, 20), (std::vector<int>{4, 8, 12, 16}));
  EXPECT_TRUE(stops[kTabStopColumns - 4]);
  setTabStops(stops, 0, -3);  // below 1: the defaults
  EXPECT_EQ(stopsBelow(stops, 20), (std::vector<int>{8, 16}));
}

TEST(TabStops, ListOfColumns) {
  TabStops stops{};
  EXPECT_TRUE(setTabStopList(stops, " 3, 10  25 99999 2048"));
  EXPECT_EQ(stopsBelow(stops, kTabStopColumns), (std::vector<int>{2, 9, 24, 2047}));
  for (const char* bad : {"3 x", "0", "4 -2", "5;6"}) {
    EXPECT_FALSE(setTabStopList(stops, bad)) << bad;
    EXPECT_EQ(stopsBelow(stops, 30), (std::vector<int>{2, 9, 24})) << bad;
  }
}

TEST(TabStops, FromTheSettings) {
  TabStops stops{};
  Settings settings;
  settings.tabFirst = 3;
  settings.tabStep = 10;
  EXPECT_TRUE(applyTabSettings(stops, settings));
  EXPECT_EQ(stopsBelow(stops, 30), (std::vector<int>{2, 12, 22}));
  settings.tabsAsList = true;
  settings.tabList = "7 9";
  EXPECT_TRUE(applyTabSettings(stops, settings));
  EXPECT_EQ(stopsBelow(stops, kTabStopColumns), (std::vector<int>{6, 8}));
}

TEST(TabStops, NextAndPrevious) {
  TabStops stops{};
  setTabStopList(stops, "5 9");
  EXPECT_EQ(nextTabStop(stops, 0), 4);
  EXPECT_EQ(nextTabStop(stops, 4), 8);
  EXPECT_EQ(nextTabStop(stops, 8), -1);
  EXPECT_EQ(previousTabStop(stops, 8), 4);
  EXPECT_EQ(previousTabStop(stops, 4), -1);
  EXPECT_EQ(previousTabStop(stops, 100000), 8);
}

}  // namespace
}  // namespace tarn
