// Syntax colouring of the documents: which keyword set colours a file (chosen
// as the file becomes current), the block-remark state of every line of
// each coloured document, the class row of any line, and the painting of
// the screen's lines in the class colours.
//
// Other parts reach a document's colouring through setOf and classesOf,
// and the colours of a class through classAttribute (class_colours.h) with
// the set's settings.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/syntax_painter.h"
#include "edit/keyword_sets.h"
#include "edit/remark_states.h"

namespace tarn {

struct Editor;

class SyntaxColouring : public SyntaxPainter {
 public:
  SyntaxColouring(Editor& editor, KeywordSets& sets);
  ~SyntaxColouring() override;
  SyntaxColouring(const SyntaxColouring&) = delete;
  SyntaxColouring& operator=(const SyntaxColouring&) = delete;

  // Runs before each key and function string: when the current file is
  // another one than last time, has another name, or the extension lists
  // changed, chooses its set and colours it with that set.
  void followCurrentFile();
  // Colours a document with a set (-1: without colours): the windows that
  // show it take the set, and it is painted again when that changed.
  void colourWith(Document& doc, int set);

  // The keyword set colouring a document and its number; null and -1 when
  // it is shown without colours.
  const KeywordSet* setOf(const Document& doc) const;
  int setIndexOf(const Document& doc) const;
  // The class of every byte of a text line of a coloured document
  // (token_classes.h), from the block-remark state the lines above leave.
  // The view holds until the next call.
  std::string_view classesOf(const Document& doc, const Line& line, LineIndex index);

  bool colourLine(const Document& doc, int keywordSet, const Line& line, LineIndex index,
                  std::span<Attribute> colours) override;

 private:
  struct Coloured {
    int set = -1;
    std::unique_ptr<RemarkStates> states;
  };
  // The classes of a line and whether it changed the state the lines below start in.
  bool tokenize(Coloured& coloured, const Line& line, LineIndex index);
  void forgetClosedDocuments();
  bool extensionsChanged() const;

  Editor& editor_;
  KeywordSets& sets_;
  std::unordered_map<int, Coloured> coloured_;  // by document id
  std::string classes_;
  // What the last choice was made for.
  int chosenFor_ = 0;
  std::string chosenName_;
  std::array<std::vector<std::string>, kSyntaxSets> chosenExtensions_;
};

}  // namespace tarn
