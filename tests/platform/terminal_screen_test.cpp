#include "platform/terminal_screen.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

std::string shown(const std::string& bytes) { return testing::PrintToString(bytes); }

TEST(TerminalScreen, FirstRenderPaintsEverythingThenOnlyChanges) {
  TerminalScreen screen({4, 2});
  screen.fill(0x1F);
  EXPECT_EQ(screen.render(),
            "\x1b[?25l\x1b[0m"
            "\x1b[H\x1b[97;44m    "
            "\x1b[2H    "
            "\x1b[H\x1b[?25h\x1b[3 q");
  EXPECT_EQ(screen.render(), "");

  screen.put(2, 1, U'x', 0x1F);
  screen.setCursor(3, 1);
  EXPECT_EQ(shown(screen.render()), shown("\x1b[?25l\x1b[2;3Hx\x1b[?25h"));

  screen.put(0, 0, U'a', 0x1F);
  screen.put(3, 0, U'b', 0x1F);
  screen.put(1, 1, U'y', 0x1F);  // left of where the last write ended
  EXPECT_EQ(shown(screen.render()),
            shown("\x1b[?25l\x1b[Ha\x1b[2Cb\x1b[2;2Hy\x1b[C\x1b[?25h"));

  screen.put(1, 1, U'y', 0x1F);  // the same again is no change
  EXPECT_EQ(screen.render(), "");
}

TEST(TerminalScreen, ColoursAreConsoleBitsInAnsiOrder) {
  struct Case {
    Attribute attr;
    const char* sgr;
  };
  for (Case c : {Case{0x07, "\x1b[37;40m"}, Case{0x1F, "\x1b[97;44m"}, Case{0x4E, "\x1b[93;41m"},
                 Case{0x80, "\x1b[30;100m"}, Case{0x09, "\x1b[94;40m"}, Case{0x2C, "\x1b[91;42m"},
                 Case{0x63, "\x1b[36;43m"}, Case{0xF0, "\x1b[30;107m"}}) {
    EXPECT_EQ(TerminalScreen::colours(c.attr), c.sgr) << int(c.attr);
  }
}

TEST(TerminalScreen, ColourChangesOnlyWhereTheAttributeChanges) {
  TerminalScreen screen({3, 1});
  screen.put(0, 0, U'a', 0x07);
  screen.put(1, 0, U'b', 0x07);
  screen.put(2, 0, U'╔', 0x4E);
  screen.setCursorVisible(false);
  EXPECT_EQ(shown(screen.render()),
            shown("\x1b[?25l\x1b[0m\x1b[H\x1b[37;40mab\x1b[93;41m\xe2\x95\x94\x1b[3 q"));
}

TEST(TerminalScreen, CursorShapeAndTitleAreSentWhenTheyChange) {
  TerminalScreen screen({1, 1});
  screen.render();
  screen.setCursorSize(90);
  EXPECT_EQ(shown(screen.render()), shown("\x1b[1 q"));
  screen.setCursorSize(60);
  EXPECT_EQ(screen.render(), "");
  screen.setCursorSize(20);
  EXPECT_EQ(shown(screen.render()), shown("\x1b[3 q"));

  screen.setTitle(U"Tarnedit - \x1b]0;x\a\x9b" U"é");
  EXPECT_EQ(shown(screen.render()), shown("\x1b]2;Tarnedit - ]0;x\xc3\xa9\x1b\\"));
  screen.setTitle(U"Tarnedit - ]0;x\xe9");
  EXPECT_EQ(screen.render(), "");
}

TEST(TerminalScreen, InvalidateAndResizeRepaintEverything) {
  TerminalScreen screen({2, 1});
  screen.put(0, 0, U'a', 0x07);
  screen.render();
  screen.invalidate();
  EXPECT_EQ(shown(screen.render()),
            shown("\x1b[?25l\x1b[0m\x1b[H\x1b[37;40ma \x1b[H\x1b[?25h\x1b[3 q"));
  screen.resize({3, 2});
  EXPECT_EQ(screen.cell(0, 0).ch, U'a');
  std::string all = screen.render();
  EXPECT_NE(all.find("a  "), std::string::npos) << shown(all);
  EXPECT_NE(all.find("\x1b[2H   "), std::string::npos) << shown(all);
}

}  // namespace
}  // namespace tarn
