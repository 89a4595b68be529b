#include "core/options.h"
#include "core/search_request.h"
#include "core/settings.h"
#include "core/sort_bits.h"
#include "edit_fixture.h"
#include "platform/vk.h"

namespace tarn {
namespace {

// Argument 1 that makes a changing function change text on a writable file.
intptr_t changingArgument(int code) {
  switch (code) {
    case fn::kTypeChar:
    case fn::kFillMark:
    case msg::kChar: return 'x';
    case msg::kKeyDown: return vk::kDelete;
    case fn::kTrim: return trim::kCompress;
    case fn::kSortLines: return sortbit::kDescending;
    default: return 0;
  }
}

// Argument 2 of the change functions: a d, which the cursor stands on, becomes an x.
intptr_t changingRequest(int code, SearchRequest& request) {
  if (code != fn::kChangeForward && code != fn::kChangeBackward && code != fn::kRepeatChangeSearch) return 0;
  request = SearchRequest{searchbit::kPlainText, "d", "x"};
  return reinterpret_cast<intptr_t>(&request);
}

// Functions of the change class that make no change here: match brace
// only moves, the marked line is in lower case already, an unindented line
// has no indentation to take back, one marked line is sorted already, align
// block needs a block mark, the pastes need clipboard text, undo and redo a
// history.
bool makesNoChange(int code) {
  return code == fn::kMatchBrace || code == fn::kLowercase || code == fn::kAlignBacktab ||
         code == fn::kSortLines || code == fn::kAlignBlock || code == fn::kCopyFromClipboard ||
         code == fn::kPasteText || code == fn::kUndo || code == fn::kRedo;
}

TEST(ReadOnly, ChangingFunctionsChangeNothingAndFail) {
  const std::vector<std::string> text = {"ab  cd", "  e  f"};
  for (const EditFunction& f : editRegistry()) {
    if (!(f.classBits & editclass::kChange)) continue;
    SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << f.code);
    int changes[2] = {};
    int results[2] = {};
    for (bool readOnly : {false, true}) {
      EditFixture fx(text);
      fx.setOption(opt::kTabInsert, 1);
      if (readOnly) fx.doc->flags |= docflag::kReadOnly;
      fx.place({2, 0});
      fx.send(fn::kMarkLine);  // the block functions act on the mark
      fx.place({1, 5});
      SearchRequest request;
      results[readOnly] = fx.send(f.code, changingArgument(f.code), changingRequest(f.code, request));
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
