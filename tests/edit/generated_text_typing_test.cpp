#include "command/generated_text.h"
#include "core/options.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

TEST(GeneratedText, IsTypedInInsertModeAndLeavesReplaceMode) {
  EditFixture f({"ab"});
  f.setOption(opt::kInsertMode, 0);
  f.place({1, 1});
  EXPECT_TRUE(typeGeneratedText(f.editor.engine, *f.doc, "05.03.2025 Wed"));
  EXPECT_EQ(f.text(), std::vector<std::string>{"a05.03.2025 Wedb"});
  EXPECT_EQ(f.cursor(), (Pos{1, 15}));
  EXPECT_EQ(f.doc->option(opt::kInsertMode), 0);
}

TEST(GeneratedText, FailsOnAReadOnlyFileAndStillLeavesReplaceMode) {
  EditFixture f({"ab"});
  f.doc->flags |= docflag::kReadOnly;
  f.place({1, 0});
  EXPECT_FALSE(typeGeneratedText(f.editor.engine, *f.doc, "x"));
  EXPECT_EQ(f.text(), std::vector<std::string>{"ab"});
  EXPECT_EQ(f.doc->option(opt::kInsertMode), 0);
}

}  // namespace
}  // namespace tarn
