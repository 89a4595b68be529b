// Marking in an edit fixture, and block function cases written as tables:
// the text, a mark made by pressing a mark function at two places, the
// cursor, one call, and what it must leave.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/marks.h"
#include "edit_fixture.h"

namespace tarn {

// A mark made by pressing code (mark line, mark char, mark block) at from,
// then at to; no mark when code is 0.
struct MarkSpec {
  int code = 0;
  Pos from;
  Pos to;
};

inline void makeMark(EditFixture& f, const MarkSpec& mark) {
  if (!mark.code) return;
  f.place(mark.from);
  f.send(mark.code);
  f.place(mark.to);
  f.send(mark.code);
}

// The corners of the fixture document's mark as user places.
inline std::pair<Pos, Pos> corners(const EditFixture& f) {
  const Mark& m = f.doc->mark;
  return {{toUser(m.firstLineNumber).value(), m.firstColumn}, {toUser(m.lastLineNumber).value(), m.lastColumn}};
}

struct BlockCase {
  std::string name;
  std::vector<std::string> before;
  MarkSpec mark;
  Pos cursor;
  int code;
  intptr_t arg1;
  int result;
  std::vector<std::string> after;  // empty: the text is unchanged
  Pos end;
  std::vector<std::pair<int, int>> options = {};  // per-file option index and value
  intptr_t arg2 = 0;
};

inline void PrintTo(const BlockCase& c, std::ostream* out) { *out << c.name; }

inline std::string blockCaseName(const testing::TestParamInfo<BlockCase>& info) { return info.param.name; }

// Runs a case, then undoes and redoes the call (the text before it is the
// marked text: tabs a block mark expanded stay expanded). setUp runs on the
// new fixture before the mark is made, check after the call's own checks.
inline void runBlockCase(const BlockCase& c, const std::function<void(EditFixture&)>& setUp = {},
                         const std::function<void(EditFixture&)>& check = {}) {
  EditFixture f(c.before);
  if (setUp) setUp(f);
  for (auto [index, value] : c.options) f.setOption(index, value);
  makeMark(f, c.mark);
  f.doc->setChangeCount(0);
  f.place(c.cursor);
  const UndoState before = undoState(f);
  expectCall(f, {c.code, c.arg1, c.arg2}, {c.result, c.before, c.after, c.end}, [&](EditFixture& g) {
    if (check) check(g);
    if (c.result == 0) expectState(g, before, "failed: nothing changed");
  });
}

}  // namespace tarn
