// The framed line reader.
#include <map>

#include "tests/core/screen_fixture.h"
#include "tests/core/snapshot_console.h"

namespace tarn::test {
namespace {

using namespace keystate;

class LineReaderTest : public ::testing::Test {
 protected:
  LineReaderTest() : console({80, 25}), editor(console, loop) {
    sentMessages().clear();
    editor.engine.setRegistry(kTestRegistry);
    editor.dispatcher = &dispatcher;
    editor.screen.setUp();
  }
  void type(std::string_view text) {
    for (char c : text) console.queue(keyDown(static_cast<uint16_t>(std::toupper(c)), static_cast<uint8_t>(c)));
  }

  SnapshotConsole console;
  EventLoop loop;
  Editor editor;
  MapDispatcher dispatcher;
};

TEST_F(LineReaderTest, TypedTextIsReturnedOnEnter) {
  type("hi");
  console.queue(keyDown(vk::kReturn, '\r'));
  std::string text;
  EXPECT_TRUE(editor.input.readLine("File name:", text, false));
  EXPECT_EQ(text, "hi");

  ASSERT_EQ(console.shown.size(), 3u);
  const std::vector<std::string>& box = console.shown.back();
  EXPECT_EQ(box[11].substr(8, 64),
            "\xDA" + std::string(25, '\xC4') + " File name: " + std::string(25, '\xC4') + "\xBF");
  EXPECT_EQ(box[12].substr(8, 64), "\xB3 hi" + std::string(59, ' ') + "\xB3");
  EXPECT_EQ(box[13].substr(8, 64), "\xC0\xC4\xC4\xC4\xC4\xC4\xC4\xC4 Press ENTER to confirm or ESC to abandon input \xC4\xC4\xC4\xC4\xC4\xC4\xC4\xD9");
  EXPECT_EQ(console.shownAttributes.back().substr(2 * 8, 2 * 4), "2F2F0707")
      << "the box in the message colours, the field white on black";
  EXPECT_EQ(console.rows()[12].find("hi"), std::string::npos) << "the screen is painted again";
  EXPECT_EQ(console.attributeAt(10, 12), 0x1F);
}

TEST_F(LineReaderTest, InitialTextIsOverwrittenInReplaceMode) {
  type("X");
  console.queue(keyDown(vk::kReturn, '\r'));
  std::string text = "abc";
  EXPECT_TRUE(editor.input.readLine("Name", text, false));
  EXPECT_EQ(text, "Xbc");
  EXPECT_EQ(console.cursorSize(), 20) << "replace-mode cursor while reading";
}

TEST_F(LineReaderTest, EscapeAbandonsAndKeepsTheText) {
  type("zz");
  console.queue(keyDown(vk::kEscape, 0x1B));
  std::string text = "keep";
  EXPECT_FALSE(editor.input.readLine("Name", text, false));
  EXPECT_EQ(text, "keep");
  EXPECT_EQ(editor.engine.documents().size(), 0u) << "the field document is gone";
}

TEST_F(LineReaderTest, EndOfInputAbandons) {
  type("ab");
  std::string text;
  EXPECT_FALSE(editor.input.readLine("Name", text, false));
}

TEST_F(LineReaderTest, HiddenInputShowsStars) {
  type("pw");
  console.queue(keyDown(vk::kReturn, '\r'));
  std::string text;
  EXPECT_TRUE(editor.input.readLine("Password", text, true));
  EXPECT_EQ(text, "pw");
  EXPECT_EQ(console.shown.back()[12].substr(10, 4), "**  ");
}

TEST_F(LineReaderTest, KeyDefinitionsWorkInTheField) {
  dispatcher.definitions[{0, vk::kBack}] = {fn::kRubout, 0};
  // [66]!, then a command that has no place in a field: the rest is not run.
  dispatcher.definitions[{2, 'T'}] = {fn::kTypeChar, '6', '6', fn::kArgumentEnd, '!', fn::kEdit, 'q', 0};
  type("abc");
  console.queue(keyDown(vk::kBack, '\b'));
  console.queue(keyDown('T', 0x14, kLeftCtrl));
  console.queue(keyDown(vk::kReturn, '\r'));
  std::string text;
  EXPECT_TRUE(editor.input.readLine("Name", text, false));
  EXPECT_EQ(text, "abB!");
}

TEST_F(LineReaderTest, AltKeypadAndPastedTextTypeIntoTheField) {
  console.queue(keyDown(vk::kNumpad0 + 6, '6', kLeftAlt));
  console.queue(keyDown(vk::kNumpad0 + 6, '6', kLeftAlt));
  console.queue(keyUp(vk::kMenu));
  InputRecord paste = keyDown(0, 'p');
  paste.key.repeatCount = 2;
  console.queue(paste);
  console.queue(keyDown(vk::kLWin, 0, kEnhanced));
  console.queue(keyDown(vk::kApps, 0, kEnhanced));
  console.queue(keyDown(vk::kReturn, '\r'));
  std::string text;
  EXPECT_TRUE(editor.input.readLine("Name", text, false));
  EXPECT_EQ(text, "Bpp");
}

TEST_F(LineReaderTest, TextIsCutAtTheFirstLineEnd) {
  console.queue(keyDown(vk::kReturn, '\r'));
  std::string text = "first\rsecond";
  EXPECT_TRUE(editor.input.readLine("Name", text, false));
  EXPECT_EQ(text, "first");

  console.queue(keyDown(vk::kReturn, '\r'));
  text = std::string(1500, 'x');
  EXPECT_TRUE(editor.input.readLine("Name", text, false));
  EXPECT_EQ(text.size(), 1023u);
}

}  // namespace
}  // namespace tarn::test
