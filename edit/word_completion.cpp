#include "edit/word_completion.h"

#include <algorithm>

#include "core/text_case.h"
#include "edit/keyword_set.h"

namespace tarn {

namespace {

bool inWord(const KeywordSet& set, char c) { return set.kindOf(c) & char_kind::kInWord; }

class WordScan {
 public:
  WordScan(const KeywordSet& set, std::string_view prefix) : set_(set), prefix_(prefix) {}

  // The words of a text that begin with the prefix, but for the one that
  // starts at `skip`.
  void collect(std::string_view text, std::vector<std::string>& out, size_t skip = std::string_view::npos) const {
    for (size_t at = 0; at < text.size();) {
      if (!inWord(set_, text[at])) {
        ++at;
        continue;
      }
      size_t end = at;
      while (end < text.size() && inWord(set_, text[end])) ++end;
      const std::string_view word = text.substr(at, end - at);
      if (at != skip && word != prefix_ && startsWithIgnoringCase(word, prefix_)) out.emplace_back(word);
      at = end;
    }
  }

 private:
  const KeywordSet& set_;
  std::string_view prefix_;
};

std::string_view textOfLine(const Document& doc, const Line* line) {
  return doc.isSentinel(line) ? std::string_view() : line->view();
}

}  // namespace

TextCompletion completeInText(const Document& doc, size_t cursor, const KeywordSet* set, int linesBack,
                              int linesForward) {
  static const KeywordSet kDefaultSyntax;
  const KeywordSet& syntax = set ? *set : kDefaultSyntax;
  const std::string_view current = textOfLine(doc, doc.current);
  TextCompletion completion;
  completion.end = std::min(cursor, current.size());
  completion.start = completion.end;
  while (completion.start > 0 && inWord(syntax, current[completion.start - 1])) --completion.start;
  if (completion.start == completion.end) return completion;

  const std::string prefix(current.substr(completion.start, completion.end - completion.start));
  const WordScan scan(syntax, prefix);
  if (set) completion.candidates = set->keywordsStartingWith(prefix);
  std::erase(completion.candidates, prefix);
  scan.collect(current, completion.candidates, completion.start);
  const Line* line = doc.current;
  for (int n = 0; n < linesBack && line && (line = line->prev()) && !doc.isSentinel(line); ++n)
    scan.collect(line->view(), completion.candidates);
  line = doc.current;
  for (int n = 0; n < linesForward && line && (line = line->next()) && !doc.isSentinel(line); ++n)
    scan.collect(line->view(), completion.candidates);
  sortNamesIgnoringCase(completion.candidates);
  return completion;
}

}  // namespace tarn
