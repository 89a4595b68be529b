// A sample of C for the colouring benchmarks: the lines of a small
// program, and screens and long files made of them.
#pragma once
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::bench {

inline constexpr std::string_view kCode[] = {
    "#include <stdio.h>",
    "/* Counts the words of a file, as the",
    "   command line asks for them. */",
    "static size_t count_words(const char *text, size_t length) {",
    "  size_t words = 0; int inside = 0;  // a word is a run of letters",
    "  for (size_t i = 0; i < length; ++i) {",
    "    if (text[i] == ' ' || text[i] == '\\t') { inside = 0; continue; }",
    "    if (!inside) ++words, inside = 1;",
    "  }",
    "  return words;",
    "}",
    "",
    "int main(int argc, char **argv) {",
    "  const char *message = \"usage: count \\\"file\\\" /* not a remark */\";",
    "  if (argc < 2) { fprintf(stderr, \"%s\\n\", message); return 1; }",
    "  double ratio = 0.75e-3 * (double)argc + 0x1Fu;",
    "  printf(\"%zu\\n\", count_words(argv[1], strlen(argv[1])));",
    "  return 0;",
    "}",
};

// The lines of C, one after another, each made as wide as a screen.
inline std::vector<std::string> screenLines(int rows, size_t columns) {
  std::vector<std::string> lines;
  for (int i = 0; i < rows; ++i) {
    std::string line;
    for (size_t k = static_cast<size_t>(i); line.size() < columns; ++k) (line += kCode[k % std::size(kCode)]) += ' ';
    lines.push_back(line.substr(0, columns));
  }
  return lines;
}

// A text of lines of C, each ended by LF; without remarks, the lines that
// hold a remark marker are left out, so that a remark opened above runs on.
inline std::string cText(int lines, bool remarks = true) {
  std::string text;
  for (size_t i = 0; lines > 0; ++i) {
    const std::string_view line = kCode[i % std::size(kCode)];
    if (!remarks && (line.find("/*") != line.npos || line.find("*/") != line.npos)) continue;
    (text += line) += '\n';
    --lines;
  }
  return text;
}

}  // namespace tarn::bench
