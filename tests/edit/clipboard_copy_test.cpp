// The marked text going to the clipboard: line ends by kind, the HTML form
// and its offsets, appending, which documents get a rich form, and the
// mark copied and cut wherever it is.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>

#include "edit/clipboard_block.h"
#include "edit/clipboard_copy.h"
#include "mark_fixture.h"
#include "colouring_fixture.h"

namespace tarn {
namespace {

MarkedText marked(int kind, std::vector<std::string_view> lines, bool lastLineEnded = true) {
  return {nullptr, kind, std::move(lines), lastLineEnded};
}

TEST(ClipboardBlock, LineEndsFollowTheKindOfMark) {
  struct Case {
    MarkedText text;
    std::string expected;
  };
  const Case cases[] = {
      // A character mark from the middle of one line to the middle of the next.
      {marked(bufferkind::kCharacters, {"cdef", "gh"}), "cdef\r\ngh"},
      {marked(bufferkind::kBlock, {"ab", "cd", "ef"}), "ab\r\ncd\r\nef"},
      {marked(bufferkind::kMarkedLines, {"one", "two"}), "one\r\ntwo\r\n"},
      {marked(bufferkind::kMarkedLines, {"one", "last of the file"}, false), "one\r\nlast of the file"},
      {marked(bufferkind::kCharacters, {""}), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(clipboardText(c.text), c.expected);
}

// The offset a field of the header gives.
size_t field(const std::string& block, const std::string& name) {
  size_t at = block.find(name + ":");
  EXPECT_NE(at, std::string::npos) << name;
  return std::strtoul(block.c_str() + at + name.size() + 1, nullptr, 10);
}

TEST(ClipboardBlock, HtmlHeaderTellsWhereThePartsLie) {
  std::string block = htmlClipboardBlock("<HTML><body>\r\n<pre>a &amp; b</pre>\r\n</body></HTML>\r\n");
  EXPECT_TRUE(block.starts_with("Version:0.9\r\nStartHTML:"));
  EXPECT_EQ(block.compare(field(block, "StartHTML"), 6, "<HTML>"), 0);
  EXPECT_EQ(field(block, "EndHTML"), block.size());
  EXPECT_EQ(block.compare(field(block, "StartFragment"), 5, "<pre>"), 0);
  EXPECT_EQ(field(block, "StartSelection"), field(block, "StartFragment"));
  EXPECT_EQ(block.compare(field(block, "EndFragment") - 6, 6, "</pre>"), 0);
  EXPECT_EQ(field(block, "EndSelection"), field(block, "EndFragment"));
  EXPECT_EQ(htmlClipboardBody(block), "<HTML><body>\r\n<pre>a &amp; b</pre>\r\n</body></HTML>\r\n");

  // Tags the text lacks are at 0; the header is fixed in size.
  std::string bare = htmlClipboardBlock("no tags");
  EXPECT_EQ(field(bare, "StartHTML"), 0u);
  EXPECT_EQ(field(bare, "StartFragment"), 0u);
  EXPECT_EQ(field(bare, "EndSelection"), 0u);
  EXPECT_EQ(field(bare, "EndHTML"), bare.size());
  EXPECT_EQ(htmlClipboardBody("plain, no header"), "plain, no header");
}

// The editor's clipboard with no desktop to reach: its own store.
class PutOnClipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    f = std::make_unique<ColouringFixture>(std::vector<std::string>{""});
  }
  Document& named(const std::string& name) {
    f->doc->name = name;
    return *f->doc;
  }
  std::string read(ClipFormat form) { return f->editor.clipboard.read(form); }

  void put(const MarkedText& marked, const Document* current, bool append) {
    putOnClipboard(f->editor, f->colouring, marked, current, append);
  }

  std::unique_ptr<ColouringFixture> f;
};

TEST_F(PutOnClipboard, HtmlDocumentsOfferTheHtmlFormWithItsOffsets) {
  Document& page = named("page.htm");
  put(marked(bufferkind::kMarkedLines, {"<html><pre>", "caf\x82", "</pre></html>"}), &page, false);
  EXPECT_EQ(read(ClipFormat::Text), "<html><pre>\r\ncaf\u00e9\r\n</pre></html>\r\n");
  std::string html = read(ClipFormat::Html);
  EXPECT_EQ(htmlClipboardBody(html), read(ClipFormat::Text));
  // Offsets count the bytes of the text as the clipboard has it (UTF-8).
  EXPECT_EQ(html.compare(field(html, "StartFragment"), 5, "<pre>"), 0);
  EXPECT_EQ(html.compare(field(html, "EndFragment") - 6, 6, "</pre>"), 0);
  EXPECT_EQ(field(html, "EndHTML"), html.size());
  EXPECT_EQ(read(ClipFormat::Rtf), "");
}

TEST_F(PutOnClipboard, RichFormsGoWithTheKindOfDocument) {
  struct Case {
    std::string name;
    int set;  // the document's keyword set
    std::string html, rtf;
  };
  f->editor.settings.syntax[3].extensions = {".html", ".htm"};
  f->editor.settings.syntax[4].extensions = {".rtf"};
  const Case cases[] = {
      {"notes.txt", -1, "", ""},
      {"PAGE.HTML", 3, "x", ""},
      {"page.htm", 5, "", ""},  // coloured as something else
      {"letter.rtf", 4, "", "x"},
      {"letter.rtf", -1, "", ""},
  };
  for (const Case& c : cases) {
    Document& doc = named(c.name);
    f->colouring.colourWith(doc, c.set);
    put(marked(bufferkind::kCharacters, {"x"}), &doc, false);
    EXPECT_EQ(read(ClipFormat::Text), "x") << c.name;
    EXPECT_EQ(htmlClipboardBody(read(ClipFormat::Html)), c.html) << c.name << " " << c.set;
    EXPECT_EQ(read(ClipFormat::Rtf), c.rtf) << c.name << " " << c.set;
  }
}

TEST_F(PutOnClipboard, AppendingKeepsBothTextsInOrder) {
  Document& page = named("page.htm");
  put(marked(bufferkind::kCharacters, {"first", "piece"}), &page, false);
  put(marked(bufferkind::kCharacters, {"second"}), &page, true);
  EXPECT_EQ(read(ClipFormat::Text), "first\r\npiecesecond");
  // One header, before both.
  std::string html = read(ClipFormat::Html);
  EXPECT_EQ(htmlClipboardBody(html), "first\r\npiecesecond");
  EXPECT_EQ(html.find("Version:", 1), std::string::npos);

  put(marked(bufferkind::kMarkedLines, {"anew"}), &page, false);
  EXPECT_EQ(read(ClipFormat::Text), "anew\r\n");
}

TEST_F(PutOnClipboard, NothingMarkedFails) {
  EXPECT_EQ(f->send(fn::kCopyToClipboard), 0);
  EXPECT_EQ(f->editor.screen.lastMessage(), "No marked text");
  EXPECT_FALSE(copyMarkToClipboard(f->editor, f->colouring, true));
  EXPECT_FALSE(cutMarkToClipboard(f->editor, f->colouring));
  EXPECT_EQ(read(ClipFormat::Text), "");
}

// Each kind of mark, through the line buffer.
TEST_F(PutOnClipboard, EachKindOfMarkIsCopiedWithItsLineEnds) {
  struct Case {
    const char* name;
    MarkSpec mark;
    std::vector<Pos> toggled;  // lines marked one at a time
    std::string text;
  };
  const Case cases[] = {
      {"character mark over two lines", {fn::kMarkChar, {1, 2}, {2, 1}}, {}, "cdef\r\ngh"},
      {"block", {fn::kMarkBlock, {2, 4}, {1, 1}}, {}, "bcde\r\nhijk"},
      {"block past the line ends", {fn::kMarkBlock, {2, 3}, {3, 6}}, {}, "jkl\r\nt"},
      {"lines", {fn::kMarkLine, {1, 3}, {2, 0}}, {}, "abcdef\r\nghijkl\r\n"},
      {"lines to the last, which had no line end", {fn::kMarkLine, {3, 0}, {2, 0}}, {}, "ghijkl\r\nlast"},
      {"lines marked one at a time", {}, {{3, 0}, {1, 0}}, "abcdef\r\nlast"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ColouringFixture holder({"abcdef", "ghijkl", "last"});
    holder.doc->lastText()->flags |= lineflag::kNoLineEnd;
    makeMark(holder, c.mark);
    for (Pos line : c.toggled) {
      holder.place(line);
      holder.send(fn::kToggleLineMark);
    }
    ASSERT_TRUE(copyMarkToClipboard(holder.editor, holder.colouring, false));
    EXPECT_EQ(holder.editor.clipboard.read(ClipFormat::Text), c.text);
    EXPECT_EQ(holder.text(), (std::vector<std::string>{"abcdef", "ghijkl", "last"}));
  }
}

TEST_F(PutOnClipboard, CutTakesTheMarkedTextAway) {
  ColouringFixture g({"abcdef", "ghijkl"});
  makeMark(g, {fn::kMarkChar, {1, 4}, {2, 1}});
  ASSERT_TRUE(cutMarkToClipboard(g.editor, g.colouring));
  EXPECT_EQ(g.editor.clipboard.read(ClipFormat::Text), "ef\r\ngh");
  EXPECT_EQ(g.text(), (std::vector<std::string>{"abcdijkl"}));
  EXPECT_EQ(g.editor.engine.marks().holder(), nullptr);

  // A read-only file gives its text to the clipboard and keeps it.
  makeMark(g, {fn::kMarkLine, {1, 0}, {1, 0}});
  g.doc->flags |= docflag::kReadOnly;
  EXPECT_FALSE(cutMarkToClipboard(g.editor, g.colouring));
  EXPECT_EQ(g.editor.clipboard.read(ClipFormat::Text), "abcdijkl\r\n");
  EXPECT_EQ(g.text(), (std::vector<std::string>{"abcdijkl"}));
  EXPECT_EQ(g.editor.screen.lastMessage(), "Impossible to change a read only file!");
}

}  // namespace
}  // namespace tarn
