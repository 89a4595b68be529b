// The editor's clipboard functions through a real X clipboard (Xvfb), with
// xclip as the other program: what a copy offers, and pastes of what xclip
// put there.
#include <gtest/gtest.h>

#include <cstdlib>

#include "edit/clipboard_block.h"
#include "edit/clipboard_copy.h"
#include "edit/clipboard_paste.h"
#include "colouring_fixture.h"
#include "fixtures/x_display.h"

namespace tarn {
namespace {

using fixtures::xclipIn;
using fixtures::xclipOut;

class EditorOnX : public fixtures::EditorOnXTest {
 protected:
  std::string out(ColouringFixture& f, std::vector<std::string> args = {}) {
    return xclipOut(display(), f.loop, std::move(args));
  }
  void put(ColouringFixture& f, const std::string& text) {
    ASSERT_TRUE(xclipIn(display(), text, [&] { return f.editor.clipboard.read(ClipFormat::Text); }));
  }
};

size_t field(const std::string& block, const std::string& name) {
  return std::strtoul(block.c_str() + block.find(name + ":") + name.size() + 1, nullptr, 10);
}

TEST_F(EditorOnX, HtmlPageOffersTextAndHtmlWithOffsets) {
  ColouringFixture f({""});
  f.doc->name = "page.htm";
  MarkedText marked{f.doc, bufferkind::kMarkedLines, {"<html><body><pre>", "a &lt; b \x82", "</pre></body></html>"}, true};
  putOnClipboard(f.editor, f.colouring, marked, f.doc, false);
  const std::string text = "<html><body><pre>\r\na &lt; b \u00e9\r\n</pre></body></html>\r\n";
  EXPECT_EQ(out(f), text);
  std::string html = out(f, {"-t", "text/html"});
  EXPECT_EQ(htmlClipboardBody(html), text);
  EXPECT_EQ(html.compare(field(html, "StartHTML"), 6, "<html>"), 0);
  EXPECT_EQ(html.compare(field(html, "StartFragment"), 5, "<pre>"), 0);
  EXPECT_EQ(html.compare(field(html, "EndFragment") - 6, 6, "</pre>"), 0);
  EXPECT_EQ(field(html, "EndHTML"), html.size());
  std::string targets = out(f, {"-t", "TARGETS"});
  EXPECT_NE(targets.find("text/html"), std::string::npos) << targets;
  EXPECT_EQ(targets.find("text/rtf"), std::string::npos) << targets;
}

TEST_F(EditorOnX, RtfDocumentOffersRtf) {
  ColouringFixture f({""});
  f.doc->name = "letter.rtf";
  MarkedText marked{f.doc, bufferkind::kCharacters, {"{\\rtf1 hi}"}, true};
  putOnClipboard(f.editor, f.colouring, marked, f.doc, false);
  EXPECT_EQ(out(f), "{\\rtf1 hi}");
  EXPECT_EQ(out(f, {"-t", "text/rtf"}), "{\\rtf1 hi}");
}

TEST_F(EditorOnX, PastesWhatXclipPutThere) {
  ColouringFixture f({"abcXYZ", "0123456789abc", "short"});
  put(f, "1\n2 \u00fc\n3");
  f.place({1, 3});
  EXPECT_EQ(f.send(fn::kCopyFromClipboard), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"abc1", "2 \x81", "3XYZ", "0123456789abc", "short"}));
  EXPECT_EQ(f.cursor(), (Pos{1, 3}));

  put(f, "AA\r\nBB");
  f.place({4, 10});
  EXPECT_EQ(f.send(fn::kCopyFromClipboard, pasteflag::kBlock), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"abc1", "2 \x81", "3XYZ", "0123456789AAabc", "short     BB"}));
  EXPECT_EQ(f.cursor(), (Pos{4, 10}));
}

}  // namespace
}  // namespace tarn
