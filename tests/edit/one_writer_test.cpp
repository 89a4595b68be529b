// Every function that changes text does it through the document, which
// tells its observers: a copy of the text kept up to date from what they
// are told alone stays equal to the text itself.
#include <string>
#include <vector>

#include "core/change_observer.h"
#include "core/given_text.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

// The text rebuilt from the notifications, one entry per line index
// (entry 0 unused, 1 the top-of-file line).
class ShadowText : public ChangeObserver {
 public:
  explicit ShadowText(const Document& doc) { copy(doc); }

  void charactersInserted(Document&, const TextChange& c) override {
    at(c.index).insert(c.column, c.text);
  }
  void charactersDeleted(Document&, const TextChange& c) override {
    at(c.index).erase(c.column, c.text.size());
  }
  void charactersReplaced(Document&, const TextChange& c) override {
    at(c.index).replace(c.column, c.text.size(), c.line.view().substr(c.column, c.text.size()));
  }
  void lineInserted(Document&, const Line& line, LineIndex index) override {
    lines.insert(lines.begin() + index.value(), std::string(line.view()));
  }
  void lineDeleted(Document&, const Line&, LineIndex index) override { lines.erase(lines.begin() + index.value()); }
  void linesMoved(Document&, const LinesMoved&) override { ADD_FAILURE() << "no function here moves lines"; }
  void textReplaced(Document& doc) override { copy(doc); }

  static std::vector<std::string> of(const Document& doc) {
    std::vector<std::string> text{""};
    for (const Line* l = doc.first; l; l = l == doc.last ? nullptr : l->next()) text.emplace_back(l->view());
    return text;
  }

  std::vector<std::string> lines;

 private:
  std::string& at(LineIndex index) { return lines.at(index.value()); }
  void copy(const Document& doc) { lines = of(doc); }
};

struct Call {
  int code;
  intptr_t arg1;
  intptr_t arg2;
};

TEST(OneWriter, ObserversAreToldEveryChangeOfEveryFunction) {
  const std::string_view given = "given";
  const std::vector<std::string> givenLines{"one", "two"};
  std::vector<Call> calls;
  for (const EditFunction& f : editRegistry())
    if (fn::isEditing(f.code) && (f.classBits & editclass::kChange)) calls.push_back({f.code, 'x', 0});
  for (const EditFunction& f : givenTextFunctions()) {
    const void* text = f.code == fn::kSetLineText ? static_cast<const void*>(&given) : &givenLines;
    calls.push_back({f.code, 0, reinterpret_cast<intptr_t>(text)});
  }
  // Typing over a tab, over text and past the end; lines at the ends of the file.
  const Pos places[] = {{1, 1}, {2, 3}, {2, 40}, {3, 0}};
  for (const Call& call : calls) {
    for (int insert : {0, 1}) {
      for (Pos place : places) {
        EditFixture f({"a\tb c", "dd ee ff", "g"});
        f.setOption(opt::kKeepTabs, 1);
        f.setOption(opt::kInsertMode, insert);
        f.place(place);
        ShadowText shadow(*f.doc);
        f.doc->addObserver(shadow);
        f.send(call.code, call.arg1, call.arg2);
        EXPECT_EQ(shadow.lines, ShadowText::of(*f.doc))
            << "code 0x" << std::hex << call.code << std::dec << " insert " << insert << " at " << place;
        f.doc->removeObserver(shadow);
      }
    }
  }
}

}  // namespace
}  // namespace tarn
