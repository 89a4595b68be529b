#include "command/function_string.h"

#include <cctype>

#include "command/function_table.h"
#include "command/words.h"
#include "core/function_codes.h"

namespace tarn::command {

namespace {

// The letters a text begins with.
size_t letterRun(std::string_view s) {
  size_t end = 0;
  while (end < s.size() && std::isalpha(static_cast<unsigned char>(s[end]))) ++end;
  return end;
}

// The code of a locate or change function named by word.
std::optional<int> expressionCode(std::string_view word, const FunctionTable& functions) {
  auto code = functions.codeOf(word);
  if (!code || functions.argumentKind(*code) != ArgumentKind::Expression) return std::nullopt;
  return code;
}

bool isSetDefineOrSyn(std::string_view segment, const FunctionTable& functions) {
  const int code = functions.codeOf(firstWord(segment).word).value_or(0);
  return code == fn::kSet || code == fn::kDefine || code == fn::kSyn;
}

class Cutter {
 public:
  Cutter(std::string_view text, const FunctionTable& functions) : text_(text), functions_(functions) {}

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
    char d = expressionDelimiter(segment_, functions_, &occurrences, &wordEnd);
    if (d == 0) {
      // Undecided while the first word may still grow, or while an
      // expression word waits for its delimiter.
      std::string_view rest = skipBlanks(segment_);
      size_t end = letterRun(rest);
      if (end == rest.size()) return;
      bool expressionWord = expressionCode(rest.substr(0, end), functions_).has_value();
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
    inside = withLocateWord(inside, functions_);
    takeQuotedArgument(inside);
    if (inside.size() > kLongestSegment) inside.resize(kLongestSegment);
    pieces_.push_back({StringPiece::Kind::Bracket, "[" + inside + "]"});
  }

  // [fill mark], [fm] and the bookmark functions take a following 'c'.
  void takeQuotedArgument(std::string& inside) {
    if (!functions_.codeTakingQuoted(trimBlanks(inside))) return;
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
    bool escapes = isSetDefineOrSyn(segment_, functions_);
    add('"');
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      bool escaped = escapes && c == '"' && text_[pos_ - 1] == '\\';
      add(c);
      if (c == '"' && !escaped) break;
    }
  }

  std::string_view text_;
  const FunctionTable& functions_;
  size_t pos_ = 0;
  std::string segment_;
  std::vector<StringPiece> pieces_;
  bool expressionChecked_ = false;
  bool expressionOpen_ = false;
  char expression_ = 0;
  int expressionLeft_ = 0;
};

}  // namespace

bool isWholeCommand(std::string_view text, const FunctionTable& functions) {
  text = skipBlanks(text);
  size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return false;
  const int code = functions.codeOf(text.substr(0, blank)).value_or(0);
  return code == fn::kDefine || code == fn::kSet || code == fn::kSyn || code == fn::kHelp;
}

char expressionDelimiter(std::string_view text, const FunctionTable& functions, int* occurrences, size_t* wordEnd) {
  size_t start = text.size() - skipBlanks(text).size();
  std::string_view s = text.substr(start);
  if (s.empty()) return 0;
  if (s.front() == '/') {
    if (occurrences) *occurrences = 2;
    if (wordEnd) *wordEnd = start;
    return '/';
  }
  size_t end = letterRun(s);
  auto code = expressionCode(s.substr(0, end), functions);
  if (!code || end == s.size()) return 0;
  size_t d = end;
  while (d < s.size() && isBlank(s[d])) ++d;
  if (d == s.size() || std::isalnum(static_cast<unsigned char>(s[d]))) return 0;
  // A change names the old and the new text, a locate only the one.
  if (occurrences) *occurrences = *code == fn::kChange ? 3 : 2;
  if (wordEnd) *wordEnd = start + end;
  return s[d];
}

std::string withLocateWord(std::string_view text, const FunctionTable& functions) {
  if (text.empty() || text.front() != '/') return std::string(text);
  return std::string(*functions.nameOf(fn::kLocate, true)) + std::string(text);
}

std::vector<StringPiece> cutFunctionString(std::string_view text, const FunctionTable& functions) {
  if (isWholeCommand(text, functions)) {
    std::string_view s = skipBlanks(text);
    return {{StringPiece::Kind::Segment, std::string(s.substr(0, std::min(s.size(), kLongestSegment)))}};
  }
  return Cutter(text, functions).run();
}

}  // namespace tarn::command
