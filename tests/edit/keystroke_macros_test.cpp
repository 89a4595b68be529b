// Learning and playing back keystroke macros on the engine.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/options.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

constexpr uint32_t kStateFlags = docflag::kCapturing | docflag::kCapturePaused | docflag::kPlayingBack;

class KeystrokeMacros : public ::testing::Test {
 protected:
  KeystrokeMacros() { f.place({1, 0}); }

  int define() { return f.send(fn::kMacroDefine); }
  int play(int times = 1) { return f.send(fn::kMacroPlay, 0, 0, times); }
  int pause() { return f.send(fn::kMacroPause); }
  std::string line() const { return f.text().front(); }
  uint32_t state() const { return f.doc->flags & kStateFlags; }

  EditFixture f{{""}};
};

TEST_F(KeystrokeMacros, PlayTypesWhatWasRecordedAsOftenAsItsCountSays) {
  define();
  EXPECT_EQ(state(), docflag::kCapturing);
  f.type("abc");
  define();
  EXPECT_EQ(state(), 0u);
  EXPECT_EQ(play(), 1);
  EXPECT_EQ(line(), "abcabc");
  play(2);
  EXPECT_EQ(line(), "abcabcabcabc");
  EXPECT_EQ(f.editor.engine.repeatCount(), 1);
}

TEST_F(KeystrokeMacros, CountsGivenToRecordedFunctionsArePlayedBack) {
  f.type("abcdef");
  define();
  f.send(fn::kLeft, 0, 0, 3);
  f.type("-");
  define();
  play();
  EXPECT_EQ(line(), "a-bc-def");
}

TEST_F(KeystrokeMacros, PlayingWhileRecordingIsRefusedAndNotRecorded) {
  define();
  f.type("a");
  EXPECT_EQ(play(), 0);
  EXPECT_EQ(f.editor.screen.lastMessage(), "Can't replay keystrokes while recording");
  EXPECT_EQ(state(), docflag::kCapturing);
  f.type("b");
  define();
  play();
  EXPECT_EQ(line(), "abab");
}

TEST_F(KeystrokeMacros, PausingOutsideARecordingIsRefused) {
  EXPECT_EQ(pause(), 0);
  EXPECT_EQ(f.editor.screen.lastMessage(), "Can't pause if not capturing");
  EXPECT_EQ(play(), 0);  // nothing recorded yet
}

// What is typed during a pause stays out of the recording; the playback
// waits at the pause for the user, and macro pause goes on with the rest,
// the remaining playbacks included.
TEST_F(KeystrokeMacros, APlaybackWaitsAtThePauseUntilMacroPause) {
  define();
  f.type("a");
  pause();
  EXPECT_EQ(state(), docflag::kCapturePaused);
  f.type("X");
  pause();
  f.type("b");
  define();
  EXPECT_EQ(line(), "aXb");
  play(2);
  EXPECT_EQ(line(), "aXba");
  EXPECT_EQ(state(), docflag::kPlayingBack);
  f.type("Y");
  pause();
  EXPECT_EQ(line(), "aXbaYba");
  EXPECT_EQ(state(), docflag::kPlayingBack);
  f.type("Z");
  pause();
  EXPECT_EQ(line(), "aXbaYbaZb");
  EXPECT_EQ(state(), 0u);
}

// A macro file may name them; played, they would start over without end.
TEST_F(KeystrokeMacros, PlaybackPassesOverMacroDefineAndMacroPlay) {
  f.editor.recorder.replace({{fn::kTypeChar, 'a', 0, 1}, {fn::kMacroPlay, 0, 0, 1}, {fn::kMacroDefine, 0, 0, 1},
                             {fn::kTypeChar, 'b', 0, 1}});
  EXPECT_EQ(play(), 1);
  EXPECT_EQ(line(), "ab");
  EXPECT_EQ(state(), 0u);
}

// One recording serves every view; macro define anywhere ends it.
TEST_F(KeystrokeMacros, OnlyTheRecordingViewIsRecorded) {
  CreateRequest request;
  f.editor.engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document* other = request.result;
  other->current = other->firstText();
  other->currentLineNumber = toIndex(UserLine(1));
  define();
  f.type("a");
  f.editor.engine.send(other, fn::kTypeChar, 'z');
  f.editor.engine.send(other, fn::kMacroDefine);
  EXPECT_EQ(state(), 0u);
  f.editor.engine.send(other, fn::kMacroPlay);
  EXPECT_EQ(std::string(other->firstText()->view()), "za");
}

// Pasting over a block mark (behaviour bit 1) deletes the block as part of
// the paste: the recording holds the paste alone, so that playing it back
// where nothing is marked deletes no lines.
TEST_F(KeystrokeMacros, APasteOverABlockIsRecordedAsThePasteAlone) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  EditFixture g({"abc", "def"});
  // Bit 2 clear: delete mark without a mark would delete lines.
  g.setOption(opt::kBehaviour, behaviour::kTypeOverBlockRemovesIt);
  g.editor.clipboard.copy({"X", "", ""});
  g.place({1, 1});
  g.send(fn::kMarkBlock);
  g.send(fn::kMacroDefine);
  EXPECT_EQ(g.send(fn::kCopyFromClipboard), 1);
  g.send(fn::kMacroDefine);
  EXPECT_EQ(g.text(), (std::vector<std::string>{"aXc", "def"}));
  g.place({2, 0});
  EXPECT_EQ(g.send(fn::kMacroPlay), 1);
  EXPECT_EQ(g.text(), (std::vector<std::string>{"aXc", "Xdef"}));
}

}  // namespace
}  // namespace tarn
