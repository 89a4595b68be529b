// Formatting cases: one call of a formatting function with the margins it
// sees, and what it must leave behind; undone and redone.
#pragma once
#include "core/options.h"
#include "edit_fixture.h"

namespace tarn {

struct Margins {
  int left = 1;
  int right = 80;
  int paragraph = 1;
};

// Sets the margins through the engine, which checks them.
inline int setMargins(EditFixture& f, Margins m) {
  const int rightAndParagraph[] = {m.right, m.paragraph};
  return f.send(fn::kSetMargins, m.left, reinterpret_cast<intptr_t>(rightAndParagraph));
}

struct FormatCase {
  std::string name;
  std::vector<std::string> before;
  Margins margins;
  std::vector<std::pair<int, int>> options;  // per-file option index and value
  Pos start;
  int code;
  intptr_t arg1;
  std::vector<std::string> after;  // empty: the text is unchanged
  Pos end;
  int result = 1;
};

inline void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.name; }

inline std::string formatCaseName(const testing::TestParamInfo<FormatCase>& info) { return info.param.name; }

inline void runFormatCase(const FormatCase& c) {
  EditFixture f(c.before);
  ASSERT_EQ(setMargins(f, c.margins), 1);
  for (auto [index, value] : c.options) f.setOption(index, value);
  f.place(c.start);
  expectCall(f, {c.code, c.arg1}, {c.result, c.before, c.after, c.end});
}

}  // namespace tarn
