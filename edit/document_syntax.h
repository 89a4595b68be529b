// The keyword set that colours a document, as the export and the
// clipboard's rich forms need it.
#pragma once

namespace tarn {

struct Document;
struct Editor;
class KeywordSet;

struct DocumentSyntax {
  int index = -1;                   // the set's number (its `syntaxcoloring<n>` colours); -1 for none
  const KeywordSet* set = nullptr;  // the set loaded for it; null when there is none
};

DocumentSyntax documentSyntax(Editor& editor, const Document& doc);

}  // namespace tarn
