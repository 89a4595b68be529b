// Formatting the dispatcher gives effect to: the trims, which the engine's
// trim function carries out, `reflow`, its reformat of the line-marked
// lines, and the `sort` command, which reads its key columns and letters
// for the sort engine.
#include <cstdlib>
#include <optional>

#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/decimal.h"
#include "core/editor.h"
#include "core/marks.h"
#include "core/settings.h"
#include "core/sort_bits.h"
#include "core/text_case.h"

namespace tarn::command {

namespace {

constexpr int kLastColumn = 32767;

int sortBitOf(char letter) {
  switch (asciiLower(letter)) {
    case 'd': return sortbit::kDescending;
    case 'i': return sortbit::kIgnoreCase;
    case 'n': return sortbit::kNumbers;
    case 'r': return sortbit::kSkipBlanks;
    case 'c': return sortbit::kCompact;
    case 'k': return sortbit::kUniqueKeys;
    default: return 0;
  }
}

// Decimal digits, with a minus sign for a descending key start.
std::optional<int> columnWord(std::string_view word) {
  if (isDigits(word)) return readDecimal(word);
  if (word.size() > 1 && word[0] == '-' && isDigits(word.substr(1))) return -readDecimal(word.substr(1));
  return std::nullopt;
}

Outcome refused(CommandLanguage& l, const std::string& message) {
  l.editor().screen.message(message);
  return Outcome::failure();
}

// `sort [start [end]] [letters]`: the first number is the key start, the
// second the key end; every other word is letters.
Outcome sortCommand(CommandLanguage& l, const Invocation& inv) {
  std::vector<int> columns;
  int bits = 0;
  for (const std::string& word : inv.args) {
    if (std::optional<int> column = columnWord(word)) {
      columns.push_back(*column);
      continue;
    }
    for (char letter : word) {
      int bit = sortBitOf(letter);
      if (!bit) return refused(l, "Unknown sort letter \"" + word + "\"");
      bits |= bit;
    }
  }
  int start = columns.empty() ? 0 : columns[0];
  int end = columns.size() < 2 ? 0 : columns[1];
  if (columns.size() > 2 || std::abs(start) > kLastColumn || end < 0 || end > kLastColumn ||
      (end > 0 && end < std::abs(start)))
    return refused(l, "Invalid sort columns: " + inv.rest);
  Document* doc = l.editor().currentDocument();
  if (!doc) return Outcome::done();
  // Without columns, the key of k is a block mark's columns.
  if ((bits & sortbit::kUniqueKeys) && columns.empty() && markKind(*doc) != markkind::kBlock)
    return refused(l, "sort k needs the key columns or a block mark");
  bool sorted = l.editor().engine.send(doc, fn::kSortLines, bits, packedSortColumns(start, end));
  return sorted ? Outcome::done() : Outcome::failure();
}

}  // namespace

void registerFormattingCommands(CommandLanguage& language) {
  auto& l = language;
  const std::pair<int, int> kTrims[] = {
      {fn::kTrimLeading, trim::kLeading}, {fn::kTrimTrailing, trim::kTrailing}, {fn::kTrimCompress, trim::kCompress}};
  for (auto [code, bits] : kTrims)
    l.setHandler(code, [&l, bits](const Invocation&) {
      return l.send(fn::kTrim, bits) ? Outcome::done() : Outcome::failure();
    });
  l.setHandler(fn::kSort, [&l](const Invocation& inv) { return sortCommand(l, inv); });
  l.setHandler(fn::kReflow, [&l](const Invocation&) {
    return l.send(fn::kReformatParagraph, 1) ? Outcome::done() : Outcome::failure();
  });
}

}  // namespace tarn::command
