// Mouse events: the wheel, moves, presses, the pop-up menu and the rows
// around the window.
#include <climits>
#include <string>

#include "tests/core/screen_fixture.h"

namespace tarn::test {
namespace {

using namespace mousestate;

uint32_t wheel(int delta) { return static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(delta))) << 16; }

InputRecord press(int column, int row, uint32_t buttons = kLeftButton, uint32_t state = 0) {
  return InputRecord::mouseEvent(column, row, buttons, 0, state);
}
InputRecord release(int column, int row) { return InputRecord::mouseEvent(column, row, 0, 0); }

class MouseInputTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    editor.settings.popupMenuOn = MouseAction::Off;
  }
  InputEvent feed(const InputRecord& r) {
    console.queue(r);
    return editor.input.next();
  }
  // The messages sent, as "code:arg1,arg2" separated by blanks.
  std::string sent() {
    std::string s;
    for (const SentMessage& m : sentMessages())
      s += (s.empty() ? "" : " ") + std::to_string(m.code) + ":" + std::to_string(m.arg1) + "," +
           std::to_string(m.arg2);
    sentMessages().clear();
    return s;
  }
  int openLines(int count) {
    int slot = open("a.txt", {});
    Document& doc = data(slot);
    doc.freeLines();
    for (int i = 1; i <= count; ++i) doc.appendLine(makeLine("line " + std::to_string(i)));
    doc.addSentinels();
    moveTo(slot, 1, 0);
    editor.screen.redraw(true);
    sentMessages().clear();
    return slot;
  }
};

TEST_F(MouseInputTest, WheelScrollsByTheSettingOrAWindowWithShift) {
  openLines(5);
  const std::string scroll = std::to_string(fn::kScrollVertical);
  struct Case {
    const char* what;
    int lines;
    int delta;
    uint32_t state;
    std::string expected;
  };
  const Case cases[] = {
      {"a notch towards the user", 3, -120, 0, scroll + ":3,0"},
      {"a notch away", 3, 120, 0, scroll + ":-3,0"},
      {"two notches", 1, -240, 0, scroll + ":2,0"},
      {"less than a notch", 3, -60, 0, ""},
      {"with shift a window height", 3, -120, keystate::kShift, scroll + ":23,0"},
      {"a huge setting stops at the largest count", INT_MAX, -240, 0,
       scroll + ":" + std::to_string(INT_MAX) + ",0"},
  };
  for (const Case& c : cases) {
    editor.settings.wheelScrollLine = c.lines;
    EXPECT_EQ(feed(InputRecord::mouseEvent(5, 5, wheel(c.delta), kWheeled, c.state)).kind, InputEvent::Kind::Handled);
    EXPECT_EQ(sent(), c.expected) << c.what;
  }
}

TEST_F(MouseInputTest, MovesInsideTheWindowAreSentOnceAPosition) {
  openLines(5);
  feed(InputRecord::mouseEvent(4, 2, kLeftButton, kMoved));
  feed(InputRecord::mouseEvent(4, 2, kLeftButton, kMoved));
  feed(InputRecord::mouseEvent(5, 2, kLeftButton, kMoved));
  feed(InputRecord::mouseEvent(5, 23, 0, kMoved));  // the command line is not the window
  EXPECT_EQ(sent(), "512:4,2 512:5,2");
}

TEST_F(MouseInputTest, PressesAndReleasesInsideTheWindow) {
  int slot = openLines(5);
  feed(press(3, 2));
  feed(release(3, 2));
  feed(press(7, 1, kRightButton));
  feed(press(7, 1, kSecondButton));
  feed(InputRecord::mouseEvent(6, 3, kLeftButton, kDoubleClick));
  EXPECT_EQ(sent(), "513:3,2 514:3,2 516:7,1 519:7,1 515:6,3");

  editor.slots.setCursorInFile(slot, false);
  EXPECT_EQ(feed(press(3, 2)).startMode, 3) << "a press in the file from the command line";
}

TEST_F(MouseInputTest, PopupMenuArmsAtThePressAndRunsAtTheRelease) {
  openLines(5);
  std::vector<std::pair<int, int>> opened;
  editor.input.setPopupMenu([&](int column, int row) {
    opened.push_back({column, row});
    return 2;
  });
  editor.settings.popupMenuOn = MouseAction::RightButton;
  EXPECT_EQ(feed(press(9, 4, kRightButton)).startMode, 0);
  EXPECT_EQ(sent(), "") << "the press only arms the menu";
  console.queue(release(9, 4));
  console.queue(InputRecord::keyEvent('A', 'a'));
  console.queue(InputRecord::focusEvent(false));
  console.queue(press(1, 1));
  InputEvent ev = editor.input.next();
  EXPECT_EQ(ev.startMode, 2);
  EXPECT_EQ(opened, (std::vector<std::pair<int, int>>{{9, 4}}));
  EXPECT_EQ(sent(), "513:9,4 514:9,4") << "the cursor moves to the position first";
  ASSERT_EQ(console.pendingInput(), 1u) << "pending keys and mouse events are dropped";
  InputRecord kept;
  console.readInput(kept);
  EXPECT_EQ(kept.kind, InputKind::Focus);

  editor.settings.popupMenuMovesCursor = false;
  editor.settings.popupMenuOn = MouseAction::DoubleClick;
  feed(press(2, 2));
  feed(release(2, 2));
  feed(InputRecord::mouseEvent(2, 2, kLeftButton, kDoubleClick));
  EXPECT_EQ(sent(), "513:2,2 514:2,2");
  feed(release(2, 2));
  EXPECT_EQ(sent(), "");
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(MouseInputTest, StatusRowStandsForTheWholeFile) {
  int slot = openLines(100);
  moveTo(slot, 50, 0);  // the file's place on the status row: column 40 of 80
  const std::string pageUp = std::to_string(fn::kPageUp);
  const std::string pageDown = std::to_string(fn::kPageDown);
  const std::string gotoLine = std::to_string(fn::kGotoLine);
  struct Case {
    int column;
    uint32_t button;
    std::string expected;
  };
  const Case cases[] = {
      {10, kLeftButton, pageUp + ":0,0"},        {39, kLeftButton, pageUp + ":0,0"},
      {40, kLeftButton, pageDown + ":0,0"},      {79, kLeftButton, pageDown + ":0,0"},
      {40, kRightButton, gotoLine + ":1,50"},    {0, kRightButton, gotoLine + ":1,1"},
      {79, kRightButton, gotoLine + ":1,99"},    {20, kRightButton, gotoLine + ":1,25"},
  };
  for (const Case& c : cases) {
    feed(press(c.column, 24, c.button));
    std::string s = sent();
    EXPECT_EQ(s.substr(s.find(' ') + 1), c.expected) << c.column << " " << c.button << ": " << s;
  }
}

TEST_F(MouseInputTest, TabRowMakesTheFileCurrent) {
  editor.settings.tabbed = true;
  int a = open("a.txt", {"a"});
  int b = open("b.txt", {"b"});
  int c = open("c.txt", {"c"});
  EXPECT_EQ(editor.slots.current(), c);
  feed(press(15, 0));
  EXPECT_EQ(editor.slots.current(), b);
  EXPECT_EQ(trimmed(2), "b");
  feed(press(3, 0));
  EXPECT_EQ(editor.slots.current(), a);
  feed(press(60, 0));
  EXPECT_EQ(editor.slots.current(), a) << "no tab there";
}

TEST_F(MouseInputTest, CommandRowPressMovesTheCursorThereAndIsDeliveredThere) {
  int slot = openLines(3);
  InputEvent ev = feed(press(6, 23));
  EXPECT_EQ(ev.startMode, 2);
  EXPECT_EQ(console.pendingInput(), 2u) << "press and release put back";
  editor.slots.setCursorInFile(slot, false);  // what the main loop does for start mode 2
  sentMessages().clear();
  editor.input.next();
  editor.input.next();
  EXPECT_EQ(sentMessages().size(), 3u);
  EXPECT_EQ(sentMessages()[1], (SentMessage{&command(slot), msg::kLeftDown, 6, 0}));
  EXPECT_EQ(sentMessages()[2], (SentMessage{&command(slot), msg::kLeftUp, 6, 0}));
}

TEST_F(MouseInputTest, PressInTheOtherViewMakesItCurrent) {
  int first = openLines(3);
  SlotOpening opening;
  opening.secondViewOf = first;
  int second = openSlot(editor, opening);
  editor.screen.setSplitMode(SplitMode::TopBottom);
  ASSERT_EQ(editor.slots.current(), second);
  sentMessages().clear();
  feed(press(2, 3));
  EXPECT_EQ(editor.slots.current(), first);
  ASSERT_FALSE(sentMessages().empty());
  EXPECT_EQ(sentMessages().back(), (SentMessage{&data(first), msg::kLeftDown, 2, 3}));
}

}  // namespace
}  // namespace tarn::test
