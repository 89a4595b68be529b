// The profile a new user starts from is read cleanly and does what it says.
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace tarn::command {
namespace {

constexpr int E = fn::kArgumentEnd;

TEST(UserProfile, ShippedProfileReadsWithoutMessagesOverTheBuiltinOne) {
  EditorFixture f;
  f.profiles.loadAtStartup(TARN_SOURCE_DIR "/data/TARN.Pro");
  EXPECT_FALSE(f.editor.screen.messageShown());

  const Settings& s = f.editor.settings;
  EXPECT_FALSE(s.carriageReturn);
  EXPECT_EQ(f.editor.engine.send(nullptr, fn::kGetOption, 0, opt::kLineEnd), lineend::kLf);
  EXPECT_EQ(s.historyOn, KeyState::ScrollLockOff);
  EXPECT_TRUE(s.insert);
  EXPECT_TRUE(s.keepTabs);
  EXPECT_EQ(f.editor.engine.send(nullptr, fn::kGetOption, 0, opt::kKeepTabs), 1);
  EXPECT_TRUE(s.keepLineEnds);
  EXPECT_EQ(s.lineTrim, 0);
  EXPECT_EQ(s.rightMargin, 254);

  EXPECT_EQ(f.synonymCodes("dupdown"), (std::vector<int>{fn::kDupLine, fn::kDown}));
  EXPECT_EQ(f.definitionOf("c-y"), (std::vector<int>{0x1000, 3}));
  EXPECT_EQ(f.definitionOf("a-r"), codes({{fn::kSet}, chars("margins 1 72 1"), {E, fn::kReformatParagraph, fn::kSet},
                                          chars("margins 1 254 1"), {E}}));
  EXPECT_EQ(f.definitionOf("f2").size(), 7u);
  EXPECT_EQ(f.definitionOf("enter"), codes({{fn::kTypeChar}, chars("13"), {E}}));
}

}  // namespace
}  // namespace tarn::command
