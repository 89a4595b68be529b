#include "edit/pattern_compiler.h"

#include <cstdint>
#include <string>

#include "core/text_case.h"
#include "edit/pattern_escapes.h"

namespace tarn {

namespace {

// Braces and groups nested deeper than this make a pattern too large.
constexpr int kMaxNesting = 64;

// In place of the index of the element a * or + repeats, when there is none.
constexpr size_t kNothingToRepeat = SIZE_MAX;

struct PredefinedClass {
  char name;
  std::string_view expansion;
};

constexpr PredefinedClass kPredefinedClasses[] = {
    {'a', R"([a-zA-Z0-9])"},
    {'b', R"([ \t]+)"},
    {'c', R"([a-zA-Z])"},
    {'d', R"([0-9])"},
    {'f', R"([^\\[\]:<>|=+;,]+)"},
    {'h', R"([0-9a-fA-F]+)"},
    {'i', R"([0-9]+)"},
    {'l', R"([a-zA-Z_][a-zA-Z_0-9]+)"},
    {'w', R"([a-zA-Z]+)"},
};

std::optional<std::string_view> predefinedClass(char name) {
  for (const PredefinedClass& c : kPredefinedClasses)
    if (c.name == name) return c.expansion;
  return std::nullopt;
}

// The text with every predefined class outside a class and not escaped
// replaced by its expansion; a colon before any other letter stays.
std::string expandPredefinedClasses(std::string_view text) {
  std::string out;
  bool inClass = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    bool hasNext = i + 1 < text.size();
    if (c == '\\' && hasNext) {
      out += c;
      out += text[++i];
    } else if (inClass) {
      out += c;
      inClass = c != ']';
    } else if (c == ':' && hasNext && predefinedClass(text[i + 1])) {
      out += *predefinedClass(text[++i]);
    } else {
      out += c;
      inClass = c == '[';
    }
  }
  return out;
}

// Instructions whose jump targets count from the first of them.
using Fragment = std::vector<PatternInstruction>;

void appendFragment(Fragment& to, const Fragment& from) {
  auto base = static_cast<uint32_t>(to.size());
  for (PatternInstruction in : from) {
    if (in.op == PatternOp::kSplit || in.op == PatternOp::kJump) in.arg += base;
    to.push_back(in);
  }
}

// Alternatives tried in order: a split before each but the last, a jump
// after each but the last to the end of them all.
void joinAlternatives(const std::vector<Fragment>& choices, Fragment& out) {
  std::vector<size_t> jumps;
  for (size_t k = 0; k + 1 < choices.size(); ++k) {
    size_t split = out.size();
    out.push_back({PatternOp::kSplit});
    appendFragment(out, choices[k]);
    jumps.push_back(out.size());
    out.push_back({PatternOp::kJump});
    out[split].arg = static_cast<uint32_t>(out.size());
  }
  appendFragment(out, choices.back());
  for (size_t jump : jumps) out[jump].arg = static_cast<uint32_t>(out.size());
}

enum class Scope { kWhole, kBraces, kGroup };

class Compiler {
 public:
  Compiler(std::string_view text, bool ignoreCase)
      : input_(expandPredefinedClasses(text)), ignoreCase_(ignoreCase) {}

  std::optional<PatternProgram> run();

 private:
  bool atEnd() const { return i_ >= input_.size(); }
  bool nextIs(char c) const { return !atEnd() && input_[i_] == c; }
  bool endsGroup() const { return nextIs('\\') && i_ + 1 < input_.size() && input_[i_ + 1] == ')'; }

  bool alternatives(Scope scope, Fragment& out);
  bool nested(Scope scope, Fragment& out);
  bool sequence(Fragment& out);
  bool escape(Fragment& out, size_t& repeatable);
  bool group(Fragment& out);
  bool charClass(Fragment& out);
  std::optional<unsigned char> classByte();
  size_t literal(Fragment& out, char c);

  std::string input_;
  size_t i_ = 0;
  bool ignoreCase_;
  int groups_ = 0;
  std::array<bool, kMaxPatternGroups + 1> closed_{};
  int braceDepth_ = 0;
  int nesting_ = 0;
  bool hasBackReference_ = false;
  std::vector<CharClass> classes_;
};

std::optional<PatternProgram> Compiler::run() {
  Fragment code;
  if (!alternatives(Scope::kWhole, code)) return std::nullopt;
  code.push_back({PatternOp::kMatch});
  if (code.size() > kMaxPatternInstructions) return std::nullopt;

  PatternProgram program;
  for (int b = 0; b < 256; ++b) {
    auto c = static_cast<char>(b);
    program.fold[b] = static_cast<unsigned char>(ignoreCase_ ? asciiUpper(c) : c);
  }
  program.hasBackReference = hasBackReference_;
  size_t first = 0;
  while (code[first].op == PatternOp::kSave) ++first;
  program.anchored = code[first].op == PatternOp::kLineStart;
  program.code = std::move(code);
  program.classes = std::move(classes_);
  program.starts = PatternStarts(program);
  return program;
}

bool Compiler::alternatives(Scope scope, Fragment& out) {
  std::vector<Fragment> choices;
  for (;;) {
    choices.emplace_back();
    if (!sequence(choices.back())) return false;
    if (atEnd()) {
      if (scope != Scope::kWhole) return false;
      break;
    }
    if (nextIs('|')) {
      ++i_;
      continue;
    }
    if (nextIs('}')) {
      if (scope != Scope::kBraces) return false;
      ++i_;
      break;
    }
    if (scope != Scope::kGroup) return false;  // a \) without its \(
    i_ += 2;
    break;
  }
  joinAlternatives(choices, out);
  return true;
}

bool Compiler::nested(Scope scope, Fragment& out) {
  if (++nesting_ > kMaxNesting) return false;
  bool ok = alternatives(scope, out);
  --nesting_;
  return ok;
}

bool Compiler::sequence(Fragment& out) {
  size_t repeatable = kNothingToRepeat;
  while (!atEnd() && !nextIs('|') && !(nextIs('}') && braceDepth_ > 0) && !endsGroup()) {
    char c = input_[i_++];
    if ((c == '*' || c == '+') && repeatable != kNothingToRepeat &&
        out[repeatable].repeat != PatternRepeat::kAnyNumber) {
      out[repeatable].repeat = c == '*' ? PatternRepeat::kAnyNumber : PatternRepeat::kAtLeastOnce;
      continue;
    }
    repeatable = kNothingToRepeat;
    switch (c) {
      case '^':
        out.push_back({PatternOp::kLineStart});
        break;
      case '$':
        if (atEnd() || nextIs('|') || nextIs('}'))
          out.push_back({PatternOp::kLineEnd});
        else
          literal(out, c);
        break;
      case '*':
        literal(out, c);
        break;
      case '?':
        repeatable = out.size();
        out.push_back({PatternOp::kAny});
        break;
      case '[':
        if (!charClass(out)) return false;
        repeatable = out.size() - 1;
        break;
      case '{': {
        Fragment inner;
        ++braceDepth_;
        bool ok = nested(Scope::kBraces, inner);
        --braceDepth_;
        if (!ok) return false;
        appendFragment(out, inner);
        break;
      }
      case '\\':
        if (!escape(out, repeatable)) return false;
        break;
      default:
        repeatable = literal(out, c);
    }
  }
  return true;
}

bool Compiler::escape(Fragment& out, size_t& repeatable) {
  if (atEnd()) {
    repeatable = literal(out, '\\');
    return true;
  }
  char c = input_[i_++];
  if (c == '(') return group(out);
  if (c == 'c') {
    out.push_back({PatternOp::kSave, PatternRepeat::kOnce, kCursorRegister});
    return true;
  }
  if (c >= '1' && c <= '9') {
    int number = c - '0';
    if (!closed_[number]) return false;
    hasBackReference_ = true;
    repeatable = out.size();
    out.push_back({PatternOp::kBackReference, PatternRepeat::kOnce, static_cast<uint32_t>(number)});
    return true;
  }
  repeatable = literal(out, escapedChar(c));
  return true;
}

bool Compiler::group(Fragment& out) {
  if (++groups_ > kMaxPatternGroups) return false;
  int number = groups_;
  Fragment inner;
  if (!nested(Scope::kGroup, inner)) return false;
  out.push_back({PatternOp::kSave, PatternRepeat::kOnce, groupStartRegister(number)});
  appendFragment(out, inner);
  out.push_back({PatternOp::kSave, PatternRepeat::kOnce, groupEndRegister(number)});
  closed_[number] = true;
  return true;
}

bool Compiler::charClass(Fragment& out) {
  bool negated = nextIs('^');
  if (negated) ++i_;
  std::bitset<256> bytes;
  for (;;) {
    if (atEnd()) return false;
    if (nextIs(']')) {
      ++i_;
      break;
    }
    std::optional<unsigned char> low = classByte();
    if (!low) return false;
    unsigned char high = *low;
    if (nextIs('-') && i_ + 1 < input_.size() && input_[i_ + 1] != ']') {
      ++i_;
      std::optional<unsigned char> end = classByte();
      if (!end) return false;
      high = *end;
    }
    for (int b = *low; b <= high; ++b) bytes.set(b);
  }
  if (ignoreCase_)
    for (int b = 'a'; b <= 'z'; ++b)
      if (bytes[b]) bytes.set(b - 'a' + 'A');
  CharClass cls;
  cls.lineEnd = !negated && bytes['\n'];
  cls.bytes = negated ? ~bytes : bytes;
  out.push_back({PatternOp::kClass, PatternRepeat::kOnce, static_cast<uint32_t>(classes_.size())});
  classes_.push_back(cls);
  return true;
}

std::optional<unsigned char> Compiler::classByte() {
  char c = input_[i_++];
  if (c == '\\') {
    if (atEnd()) return std::nullopt;
    c = escapedChar(input_[i_++]);
  }
  return static_cast<unsigned char>(c);
}

size_t Compiler::literal(Fragment& out, char c) {
  out.push_back(
      {PatternOp::kChar, PatternRepeat::kOnce, static_cast<unsigned char>(ignoreCase_ ? asciiUpper(c) : c)});
  return out.size() - 1;
}

}  // namespace

std::optional<PatternProgram> compilePattern(std::string_view text, bool ignoreCase) {
  return Compiler(text, ignoreCase).run();
}

}  // namespace tarn
