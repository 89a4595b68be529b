// Lines of C for the benchmarks that colour, export or paste program text.
#pragma once
#include <string_view>

namespace tarn {

inline constexpr std::string_view kSampleCode[] = {
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

}  // namespace tarn
