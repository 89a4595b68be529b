// uppercase, lowercase, invertcase and capitalize act on the marked text.
#include <string>

#include "core/engine.h"
#include "core/function_codes.h"
#include "core/marks.h"
#include "core/options.h"
#include "core/text_case.h"
#include "edit/handlers.h"
#include "edit/text_changes.h"

namespace tarn::handler {

namespace {

constexpr bool isLetter(char c) { return asciiLower(c) != asciiUpper(c); }

// Each part of a line is converted on its own. Capitalising makes the first
// letter of the part and the first after each full stop upper case, and
// every other letter lower case.
std::string converted(std::string_view text, int code) {
  std::string out(text);
  bool capital = true;
  for (char& c : out) {
    switch (code) {
      case fn::kUppercase: c = asciiUpper(c); break;
      case fn::kLowercase: c = asciiLower(c); break;
      case fn::kInvertcase: c = c == asciiUpper(c) ? asciiLower(c) : asciiUpper(c); break;
      default:
        if (isLetter(c)) {
          c = capital ? asciiUpper(c) : asciiLower(c);
          capital = false;
        } else if (c == '.') {
          capital = true;
        }
    }
  }
  return out;
}

}  // namespace

// The mark stays, except a character or block mark in a file whose
// behaviour bit 4 is clear.
int changeCase(EngineCall& call) {
  Marks& marks = call.engine.marks();
  Document* holder = changeableMarkHolder(call);
  if (!holder) return 0;
  Document& doc = *holder;
  ColumnRule rule = columnRule(call.engine, doc);
  forEachMarkedLine(doc, [&](Line& line, LineIndex, const MarkedPart& part) {
    ByteSpan span = markedBytes(line.view(), part, rule);
    std::string_view old = line.view().substr(span.begin, span.size());
    std::string text = converted(old, call.code);
    if (text != old) doc.replaceCharacters(line, static_cast<uint32_t>(span.begin), text);
  });
  doc.flags |= docflag::kRepaintAll;
  marks.setChanged();
  if (markKind(doc) != markkind::kLine && !(doc.option(opt::kBehaviour) & behaviour::kCaseChangeKeepsMark))
    marks.unmarkAll();
  return 1;
}

}  // namespace tarn::handler
