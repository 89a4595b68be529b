#include "command/function_string.h"

#include <cctype>

#include "command/ascii.h"

namespace tarn::command {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view skipBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  return s;
}

// The first word of a text, lower-cased, cut at blanks.
std::string firstWordLower(std::string_view s) {
  s = skipBlanks(s);
  size_t end = 0;
  while (end < s.size() && !isBlank(s[end])) ++end;
  return asciiLower(s.substr(0, end));
}

bool isSetDefineOrSyn(std::string_view segment) {
  std::string word = firstWordLower(segment);
  return word == "s" || word == "set" || word == "d" || word == "def" || word == "define" ||
         word == "syn";
}

class Cutter {
 public:
  explicit Cutter(std::string_view text) : text_(text) {}

  std::vector<StringPiece> run() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (expressionOpen_ && c != expression_) {
        add(c);
        continue;
      }
      if (expressionOpen_ && c == expression_) {
        add(c);
        if (--expressionLeft_ == 0) expressionOpen_ = false;
        continue;
      }
      switch (c) {
        case '{':
          flush();
          pieces_.push_back({StringPiece::Kind::LoopOpen, ""});
          ++pos_;
          break;
        case '}':
          flush();
          pieces_.push_back({StringPiece::Kind::LoopClose, ""});
          ++pos_;
          break;
        case '\'':
          flush();
          literal();
          break;
        case '[':
          flush();
          bracket();
          break;
        case '"':
          quoted();
          break;
        default:
          add(c);
          checkExpression();
      }
    }
    flush();
    return std::move(pieces_);
  }

 private:
  void add(char c) {
    if (segment_.size() < kLongestSegment) segment_ += c;
    ++pos_;
  }

  void flush() {
    if (!skipBlanks(segment_).empty()) pieces_.push_back({StringPiece::Kind::Segment, segment_});
    segment_.clear();
    expressionOpen_ = false;
    expressionChecked_ = false;
  }

  // Once the command word of the segment is complete, an expression makes
  // its special characters ordinary until its delimiters have all been seen.
  void checkExpression() {
    if (expressionChecked_) return;
    int occurrences = 0;
    size_t wordEnd = 0;
    char d = expressionDelimiter(segment_, &occurrences, &wordEnd);
    if (d == 0) {
      // Undecided while the first word may still grow, or while an
      // expression word waits for its delimiter.
      std::string_view rest = skipBlanks(segment_);
      size_t end = 0;
      while (end < rest.size() && std::isalpha(static_cast<unsigned char>(rest[end]))) ++end;
      if (end == rest.size()) return;
      std::string word = asciiLower(rest.substr(0, end));
      bool expressionWord = word == "l" || word == "c" || word == "locate" || word == "change";
      if (expressionWord && skipBlanks(rest.substr(end)).empty()) return;
      expressionChecked_ = true;
      return;
    }
    expressionChecked_ = true;
    int seen = 0;
    for (size_t i = wordEnd; i < segment_.size(); ++i)
      if (segment_[i] == d) ++seen;
    if (seen < occurrences) {
      expressionOpen_ = true;
      expression_ = d;
      expressionLeft_ = occurrences - seen;
    }
  }

  void literal() {
    ++pos_;
    size_t end = text_.find('\'', pos_);
    if (end == std::string_view::npos) end = text_.size();
    pieces_.push_back({StringPiece::Kind::Literal, std::string(text_.substr(pos_, end - pos_))});
    pos_ = end < text_.size() ? end + 1 : end;
  }

  void bracket() {
    size_t start = ++pos_;
    bool inQuotes = false;
    while (pos_ < text_.size() && (inQuotes || text_[pos_] != ']')) {
      if (text_[pos_] == '"' && !(inQuotes && text_[pos_ - 1] == '\\')) inQuotes = !inQuotes;
      ++pos_;
    }
    std::string inside(text_.substr(start, pos_ - start));
    if (pos_ < text_.size()) ++pos_;  // the closing bracket
    if (inside.size() >= 2 && inside.front() == '"' && inside.back() == '"') {
      inside.front() = ' ';
      inside.back() = ' ';
    }
    if (!inside.empty() && inside.front() == '/') inside = "l" + inside;
    takeQuotedArgument(inside);
    if (inside.size() > kLongestSegment) inside.resize(kLongestSegment);
    pieces_.push_back({StringPiece::Kind::Bracket, "[" + inside + "]"});
  }

  // [fill mark], [fm] and the bookmark functions take a following 'c'.
  void takeQuotedArgument(std::string& inside) {
    std::string word = asciiLower(skipBlanks(inside));
    while (!word.empty() && isBlank(word.back())) word.pop_back();
    if (word != "fill mark" && word != "fm" && word != "bookmark set" && word != "bookmark goto" &&
        word != "bookmark remove")
      return;
    size_t p = pos_;
    while (p < text_.size() && isBlank(text_[p])) ++p;
    if (p + 2 < text_.size() && text_[p] == '\'' && text_[p + 2] == '\'') {
      inside += " '";
      inside += text_[p + 1];
      inside += '\'';
      pos_ = p + 3;
    }
  }

  void quoted() {
    bool escapes = isSetDefineOrSyn(segment_);
    add('"');
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      bool escaped = escapes && c == '"' && text_[pos_ - 1] == '\\';
      add(c);
      if (c == '"' && !escaped) break;
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::string segment_;
  std::vector<StringPiece> pieces_;
  bool expressionChecked_ = false;
  bool expressionOpen_ = false;
  char expression_ = 0;
  int expressionLeft_ = 0;
};

}  // namespace

bool isWholeCommand(std::string_view text) {
  text = skipBlanks(text);
  for (std::string_view prefix : {"d ", "def ", "define ", "s ", "set ", "syn ", "help ", "h ", "? "}) {
    if (text.size() >= prefix.size() && asciiLower(text.substr(0, prefix.size())) == prefix) return true;
  }
  return false;
}

char expressionDelimiter(std::string_view text, int* occurrences, size_t* wordEnd) {
  size_t start = text.size() - skipBlanks(text).size();
  std::string_view s = text.substr(start);
  if (s.empty()) return 0;
  if (s.front() == '/') {
    if (occurrences) *occurrences = 2;
    if (wordEnd) *wordEnd = start;
    return '/';
  }
  size_t end = 0;
  while (end < s.size() && std::isalpha(static_cast<unsigned char>(s[end]))) ++end;
  std::string word = asciiLower(s.substr(0, end));
  int needed = (word == "l" || word == "locate") ? 2 : (word == "c" || word == "change") ? 3 : 0;
  if (!needed || end == s.size()) return 0;
  size_t d = end;
  while (d < s.size() && isBlank(s[d])) ++d;
  if (d == s.size() || std::isalnum(static_cast<unsigned char>(s[d]))) return 0;
  if (occurrences) *occurrences = needed;
  if (wordEnd) *wordEnd = start + end;
  return s[d];
}

std::vector<StringPiece> cutFunctionString(std::string_view text) {
  if (isWholeCommand(text)) {
    std::string_view s = skipBlanks(text);
    return {{StringPiece::Kind::Segment, std::string(s.substr(0, std::min(s.size(), kLongestSegment)))}};
  }
  return Cutter(text).run();
}

}  // namespace tarn::command
