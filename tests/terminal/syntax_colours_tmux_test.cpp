// A C file in the editor with the shipped profile and keyword file, in a
// real terminal: its keywords, strings, numbers and remarks show in the
// profile's colours.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tmux_session.h"

namespace tarn {
namespace {

using testing::TmuxSession;

// The SGR colours the pane shows a text in (its first occurrence on a
// row), as "fg;bg". capture-pane -e writes only the changes, so the
// colours are followed from the top of the pane.
std::string coloursOf(const std::string& pane, const std::string& text) {
  std::string fg = "39", bg = "49";
  std::istringstream rows(pane);
  for (std::string row; std::getline(rows, row);) {
    std::string atStart;
    for (size_t i = 0; i < row.size();) {
      if (row[i] == '\x1b' && i + 1 < row.size() && row[i + 1] == '[') {
        const size_t end = row.find('m', i);
        std::istringstream params(row.substr(i + 2, end - i - 2));
        for (std::string p; std::getline(params, p, ';');) {
          const int n = p.empty() ? 0 : std::stoi(p);
          if (n == 0) fg = "39", bg = "49";
          if ((n >= 30 && n <= 39) || (n >= 90 && n <= 97)) fg = p;
          if ((n >= 40 && n <= 49) || (n >= 100 && n <= 107)) bg = p;
        }
        i = end + 1;
        continue;
      }
      if (row.compare(i, text.size(), text) == 0 && atStart.empty()) atStart = fg + ";" + bg;
      ++i;
    }
    if (!atStart.empty()) return atStart;
  }
  return "";
}

TEST(SyntaxColoursInTmux, AShippedCFileShowsItsClassesInTheProfilesColours) {
  if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
  const std::string data = std::string(TARN_SOURCE_DIR) + "/data/";
  TmuxSession session("mkdir -p profile && cp '" + data + "TARN.Pro' '" + data + "TARN.Kwd' profile/ && "
                      "printf 'int main(void) {\\n  return \"text\" + 42; /* done */\\n}\\n' > a.c && '" +
                          std::string(TARN_PROGRAM) + "' /p./profile/ a.c",
                      80, 24);
  ASSERT_TRUE(session.ready());
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session.screen().find("return") != std::string::npos; }))
      << session.screen();
  std::string pane;
  // Colours come with the first screen; wait for them rather than for a fixed time.
  TmuxSession::waitUntil([&] {
    pane = session.tmux("capture-pane -p -e -t t");
    return coloursOf(pane, "return") == "93;44";
  });
  EXPECT_EQ(coloursOf(pane, "return"), "93;44") << "keywords in LightYellow on Blue";
  EXPECT_EQ(coloursOf(pane, "\"text\""), "92;44") << "strings in LightGreen";
  EXPECT_EQ(coloursOf(pane, "42"), "91;44") << "numbers in LightRed";
  EXPECT_EQ(coloursOf(pane, "/* done */"), "37;44") << "remarks in White";
  EXPECT_EQ(coloursOf(pane, "main"), "95;44") << "the keywords after the end of keywords in LightPurple";
  session.tmux("send-keys -t t F4");
}

}  // namespace
}  // namespace tarn
