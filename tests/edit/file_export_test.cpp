// `html` and `rtf` on the editor's files: the export lands in a window of
// its own, unsaved, and the file's window stays current.
#include <gtest/gtest.h>

#include <filesystem>

#include "colouring_fixture.h"
#include "edit/file_export.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

class FileExport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tarn-file-export-" + std::to_string(getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  Document* open(ColouringFixture& f, const std::string& name, std::vector<std::string> lines) {
    EXPECT_TRUE(f.editor.files.edit((dir / name).string(), {}));
    Document* doc = f.editor.currentDocument();
    f.editor.engine.send(doc, fn::kReplaceText, 0, reinterpret_cast<intptr_t>(&lines));
    return doc;
  }
  std::vector<std::string> text(const Document& doc) {
    std::vector<std::string> lines;
    for (Line* l = doc.firstText(); l && l != doc.last; l = l->next()) lines.emplace_back(l->view());
    return lines;
  }

  fs::path dir;
};

TEST_F(FileExport, ExportGoesToAWindowOfItsOwn) {
  ColouringFixture f({""});
  EXPECT_FALSE(exportCurrentFile(f.editor, f.colouring, ExportKind::Html, ""));  // no file open
  Document* source = open(f, "src.c", {"a < b", "{x}"});
  const int sourceSlot = f.editor.slots.current();

  ASSERT_TRUE(exportCurrentFile(f.editor, f.colouring, ExportKind::Html, ""));
  EXPECT_EQ(f.editor.slots.current(), sourceSlot);
  EXPECT_EQ(f.editor.screen.lastMessage(), "Exported to " + (dir / "src.c.html").string() + " (not saved yet)");
  EXPECT_EQ(f.editor.slots.usedCount(), 2);
  ASSERT_TRUE(f.editor.files.edit((dir / "src.c.html").string(), {}));
  Document* html = f.editor.currentDocument();
  EXPECT_NE(html, source);
  EXPECT_EQ(text(*html), (std::vector<std::string>{"<html>", "<body bgcolor=#00007f>",
                                                   "<pre><font color=#ffffff size=3>", "a &lt; b", "{x}",
                                                   "</font></pre>", "</body>", "</html>"}));
  EXPECT_TRUE(html->isModified());
  EXPECT_EQ(html->current, html->first);  // the cursor at the top
  EXPECT_FALSE(fs::exists(dir / "src.c.html"));  // saved only when the user saves it

  // A second export replaces the first; a name of one's own is taken.
  f.editor.slots.setCurrent(sourceSlot);
  ASSERT_TRUE(exportCurrentFile(f.editor, f.colouring, ExportKind::Html, ""));
  EXPECT_EQ(text(*html).size(), 8u);
  ASSERT_TRUE(exportCurrentFile(f.editor, f.colouring, ExportKind::Rtf, (dir / "out.rtf").string()));
  EXPECT_EQ(f.editor.slots.usedCount(), 3);
  EXPECT_EQ(text(*source), (std::vector<std::string>{"a < b", "{x}"}));
}

// The colours are those of the set that colours the file.
TEST_F(FileExport, TheFilesKeywordSetColoursTheExport) {
  ColouringFixture f({""});
  Document* source = open(f, "src.c", {"x = 1; // so"});
  f.colouring.colourWith(*source, 0);
  ASSERT_TRUE(exportCurrentFile(f.editor, f.colouring, ExportKind::Html, (dir / "coloured.html").string()));
  ASSERT_TRUE(f.editor.files.edit((dir / "coloured.html").string(), {}));
  std::vector<std::string> html = text(*f.editor.currentDocument());
  ASSERT_EQ(html.size(), 7u);
  EXPECT_NE(html[3].find("<i>// so</i>"), std::string::npos) << html[3];
  EXPECT_NE(html[3].find("<font color=#"), std::string::npos) << html[3];
}

TEST_F(FileExport, FileIsNotExportedOntoItself) {
  ColouringFixture f({""});
  Document* source = open(f, "page.html", {"<p>"});
  EXPECT_FALSE(exportCurrentFile(f.editor, f.colouring, ExportKind::Html, (dir / "page.html").string()));
  EXPECT_EQ(f.editor.screen.lastMessage(), "A file cannot be exported onto itself");
  EXPECT_EQ(text(*source), std::vector<std::string>{"<p>"});
}

}  // namespace
}  // namespace tarn
