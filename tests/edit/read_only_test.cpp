#include "core/options.h"
#include "edit_fixture.h"
#include "platform/vk.h"

namespace tarn {
namespace {

// Argument 1 that makes a changing function change text on a writable file.
intptr_t changingArgument(int code) {
  switch (code) {
    case fn::kTypeChar:
    case msg::kChar: return 'x';
    case msg::kKeyDown: return vk::kDelete;
    default: return 0;
  }
}

// Functions of the change class that make no change here: match brace
// only moves, the case changes need a mark, undo and redo a history.
bool makesNoChange(int code) {
  return code == fn::kMatchBrace || code == fn::kUppercase || code == fn::kLowercase ||
         code == fn::kInvertcase || code == fn::kCapitalize || code == fn::kUndo || code == fn::kRedo;
}

TEST(ReadOnly, ChangingFunctionsChangeNothingAndFail) {
  const std::vector<std::string> text = {"ab  cd", "ef"};
  for (const EditFunction& f : editRegistry()) {
    if (!(f.classBits & editclass::kChange)) continue;
    SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << f.code);
    int changes[2] = {};
    int results[2] = {};
    for (bool readOnly : {false, true}) {
      EditFixture fx(text);
      fx.setOption(opt::kTabInsert, 1);
      if (readOnly) fx.doc->flags |= docflag::kReadOnly;
      fx.place({1, 5});
      results[readOnly] = fx.send(f.code, changingArgument(f.code));
      changes[readOnly] = fx.doc->changeCount();
      if (readOnly) {
        EXPECT_EQ(fx.text(), text);
      }
    }
    if (!makesNoChange(f.code)) {
      EXPECT_GT(changes[false], 0) << "the writable case changes nothing";
    }
    EXPECT_EQ(changes[true], 0);
    // backtab still moves on a read-only file; match brace never changes text.
    if (f.code != fn::kBacktab && f.code != fn::kMatchBrace) {
      EXPECT_EQ(results[true], 0);
    }
  }
}

TEST(ReadOnly, MovementsStillWork) {
  EditFixture f({"ab cd", "ef"});
  f.doc->flags |= docflag::kReadOnly;
  f.place({1, 0});
  EXPECT_EQ(f.send(fn::kTabWord), 1);
  EXPECT_EQ(f.send(fn::kDown), 1);
  EXPECT_EQ(f.send(fn::kTab), 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 8}));
}

}  // namespace
}  // namespace tarn
