// HTML and RTF export: the exact texts, escapes and the cut of long lines,
// and a coloured C file read back by real readers (Python's html.parser,
// unrtf): the text comes back and every character has its class's colour.
#include <gtest/gtest.h>

#include "edit/export_writer.h"
#include "fixtures/export_read_back.h"
#include "keyword_text.h"

namespace tarn {
namespace {

std::vector<std::string> exported(ExportKind kind, const std::vector<std::string>& lines, const KeywordSet* set,
                                  const Settings& settings = {}, int index = 0) {
  ExportPalette palette(settings, set ? index : -1);
  auto writer = ExportWriter::make(kind, palette, set, CodePage::oem437());
  for (const std::string& line : lines) writer->add(line);
  writer->finish();
  std::vector<std::string> written;
  for (std::string_view line; writer->takeLine(line);) written.emplace_back(line);
  return written;
}

// The lines between the opening and the closing lines.
std::vector<std::string> body(const std::vector<std::string>& lines, size_t opening, size_t closing) {
  return {lines.begin() + static_cast<long>(opening), lines.end() - static_cast<long>(closing)};
}

KeywordSet cSet() { return keywordSet({"int", "return", "void", "$$TARN_END_KEYWORDS$$", "printf"}); }

TEST(HtmlExport, FramesColoursEscapesAndItalics) {
  KeywordSet set = cSet();
  auto html = exported(ExportKind::Html, {"int a = \"x<y\"; /* r", "still */ b & c \x82", "", "\xe1\x01"}, &set);
  EXPECT_EQ(body(html, 0, 0),
            (std::vector<std::string>{
                "<html>", "<body bgcolor=#00007f>", "<pre><font color=#ffffff size=3>",
                "</font><font color=#00ffff>int </font><font color=#ffffff>a </font><font color=#00ffff>= "
                "</font><font color=#ffff00>&quot;x&lt;y&quot;</font><font color=#00ffff>; </font>"
                "<font color=#007f00><i>/* r</i>",
                "<i>still */</i> </font><font color=#ffffff>b </font><font color=#00ffff>&amp; </font>"
                "<font color=#ffffff>c &#233;",
                "", "&#223;\x01", "</font></pre>", "</body>", "</html>"}));

  // Without a keyword set the text keeps the text colour, still escaped.
  auto plain = exported(ExportKind::Html, {"<b> & \"q\""}, nullptr);
  EXPECT_EQ(body(plain, 3, 3), std::vector<std::string>{"&lt;b&gt; &amp; &quot;q&quot;"});
}

TEST(RtfExport, HeaderColourTableAndEscapes) {
  KeywordSet set = cSet();
  auto rtf = exported(ExportKind::Rtf, {"int 5; {\\x} // r \x82", "42"}, &set);
  ASSERT_EQ(rtf.size(), 6u);
  EXPECT_EQ(rtf[0], "{\\rtf1\\ansi\\ansicpg437\\deff0\\deflang1033{\\fonttbl {\\f0\\fmodern\\fcharset254 Courier New;}}");
  EXPECT_TRUE(rtf[1].starts_with("{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue127;\\red0\\green127\\blue0;"));
  EXPECT_TRUE(rtf[1].ends_with("\\red255\\green255\\blue0;\\red255\\green255\\blue255;}"));
  EXPECT_EQ(rtf[2], "\\pard\\ulnone\\f0\\fs22\\cf15\\cbpat1");
  // A control word ends at a blank of its own, so "\cf14 42" cannot read as \cf1442.
  EXPECT_EQ(rtf[3], "\\cf11 int \\cf14 5\\cf11 ; \\{\\cf15 \\\\x\\cf11 \\} \\cf2 \\i1 // r \\'82\\i0 \\par");
  EXPECT_EQ(rtf[4], "\\cf14 42\\par");
  EXPECT_EQ(rtf[5], "}");
}

TEST(Export, LongLinesAreCutWithoutLosingText) {
  for (ExportKind kind : {ExportKind::Html, ExportKind::Rtf}) {
    auto plain = body(exported(kind, {std::string(9000, 'a')}, nullptr), 3, kind == ExportKind::Html ? 3 : 1);
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(plain[0], std::string(8100, 'a'));
    EXPECT_TRUE(plain[1].starts_with(std::string(900, 'a')));
  }
  // An entity is never split.
  auto escaped = body(exported(ExportKind::Html, {std::string(3000, '<')}, nullptr), 3, 3);
  ASSERT_EQ(escaped.size(), 2u);
  EXPECT_EQ(escaped[0].size(), 2025u * 4);
  EXPECT_EQ(escaped[1].size(), 975u * 4);
}

// Lines taken as they are written, the way a document being filled takes
// them, are those taken at the end.
TEST(Export, LinesTakenAsTheyComeAreTheWholeText) {
  KeywordSet set = cSet();
  const std::vector<std::string> source{"int a; /* r", std::string(8200, 'x') + " */ b", "", "return \"<&>\";"};
  for (ExportKind kind : {ExportKind::Html, ExportKind::Rtf}) {
    ExportPalette palette(Settings{}, 0);
    auto writer = ExportWriter::make(kind, palette, &set, CodePage::oem437());
    std::vector<std::string> taken;
    auto take = [&] {
      for (std::string_view line; writer->takeLine(line);) taken.emplace_back(line);
    };
    take();
    for (const std::string& line : source) {
      writer->add(line);
      take();
    }
    writer->finish();
    take();
    EXPECT_EQ(taken, exported(kind, source, &set));
  }
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A C file in the colours of a set of its own; what a reader gives back is
// compared character by character with the classes the tokenizer gives.
class ExportReadBack : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!programOnPath("python3")) GTEST_SKIP() << "python3 is needed";
    settings.syntax[2].colours = {colour::kBlue,  colour::kLightAqua, colour::kBlue, colour::kLightYellow,
                                  colour::kBlue,  colour::kLightGreen, colour::kBlue, colour::kLightPurple,
                                  colour::kBlack, colour::kWhite,     colour::kBlue, colour::kLightRed};
  }

  Settings settings;
  KeywordSet set = cSet();
  std::vector<std::string> source{
      "#include <stdio.h>",
      "/* a remark",
      "   over two lines */",
      "int main(void) {",
      "  printf(\"a<b & \\\"c\\\" {x}\\n\"); // says so",
      "  return 42;",
      "}",
  };
};

TEST_F(ExportReadBack, HtmlParserFindsTheTextInItsColours) {
  std::vector<fixtures::ReadChar> read =
      fixtures::readHtml(joined(exported(ExportKind::Html, source, &set, settings, 2)), "pre", false);
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(read.front().ch, U'\n');  // the line end after the opening tags
  read.erase(read.begin());
  fixtures::expectClassColours(read, source, set, ExportPalette(settings, 2), false);
}

TEST_F(ExportReadBack, UnrtfFindsTheTextInItsColours) {
  if (!programOnPath("unrtf")) GTEST_SKIP() << "unrtf is needed";
  std::vector<fixtures::ReadChar> read =
      fixtures::readRtf(joined(exported(ExportKind::Rtf, source, &set, settings, 2)));
  ASSERT_FALSE(read.empty());
  fixtures::expectClassColours(read, source, set, ExportPalette(settings, 2), true);
}

}  // namespace
}  // namespace tarn
