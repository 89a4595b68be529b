// An edit fixture with the syntax colouring that the clipboard's rich forms
// and the export take a file's keyword set from; the sets have no keyword
// files (the default syntax, no keywords).
#pragma once
#include "edit/keyword_sets.h"
#include "edit/syntax_colouring.h"
#include "edit_fixture.h"

namespace tarn {

class ColouringFixture : public EditFixture {
 public:
  explicit ColouringFixture(const std::vector<std::string>& lines) : EditFixture(lines), colouring(editor, sets) {}

  KeywordSets sets{"/nonexistent/"};
  SyntaxColouring colouring;
};

}  // namespace tarn
