// The calculator's grammar (see calculator.h), compiled into steps.
#include <algorithm>
#include <cstdint>

#include "edit/calc_numbers.h"
#include "edit/calc_program.h"

namespace tarn::calc {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The four binary levels, loosest first; unary follows the last.
struct Level {
  std::string_view symbols;
  Operator operators[2];
};

constexpr Level kLevels[] = {
    {"+-", {Operator::Add, Operator::Subtract}},
    {"*/", {Operator::Multiply, Operator::Divide}},
    {"^", {Operator::Power, Operator::Power}},
    {"<>", {Operator::Less, Operator::Greater}},
};
constexpr int kLevelCount = sizeof kLevels / sizeof kLevels[0];

// Line and column numbers stop growing here, far beyond any text.
constexpr int kFarCoordinate = 1'000'000'000;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Program compileAll() {
    binary(0);
    skipBlanks();
    if (pos_ < text_.size()) fail(Error::TextLeftOver);
    if (program_.error != Error::None) program_.steps.clear();
    return std::move(program_);
  }

 private:
  // Counts the nesting of primaries for as long as one is being read.
  class Nesting {
   public:
    explicit Nesting(Parser& parser) : parser_(parser) { ++parser_.depth_; }
    ~Nesting() { --parser_.depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    Parser& parser_;
  };

  bool ok() const { return program_.error == Error::None; }
  void fail(Error error) {
    if (ok()) program_.error = error;
  }

  void skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
  }
  // The next character, or '\0' at the end.
  char next() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  // Skips blanks, then takes c when it comes next.
  bool take(char c) {
    skipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  void emit(Step::Kind kind) { program_.steps.push_back(Step{kind}); }
  void emit(const Step& step) { program_.steps.push_back(step); }

  void binary(int level) {
    if (level == kLevelCount) return unary();
    binary(level + 1);
    while (ok()) {
      skipBlanks();
      size_t which = kLevels[level].symbols.find(next());
      if (which == std::string_view::npos) return;
      ++pos_;
      binary(level + 1);
      Step step{Step::Kind::Combine};
      step.op = kLevels[level].operators[which];
      emit(step);
    }
  }

  void unary() {
    size_t nots = 0;
    while (take('!')) ++nots;
    primary();
    for (; nots > 0; --nots) emit(Step::Kind::Not);
  }

  void primary() {
    Nesting nesting(*this);
    if (depth_ > kMaxNesting) return fail(Error::TooDeep);
    skipBlanks();
    std::string_view rest = text_.substr(pos_);
    if (rest.starts_with("+(") || rest.starts_with("-(")) {
      pos_ += 2;
      bracketed();
      if (rest[0] == '-') emit(Step::Kind::Negate);
    } else if (take('(')) {
      bracketed();
    } else if (take('|')) {
      binary(0);
      emit(Step::Kind::Absolute);
    } else {
      operand();
    }
  }

  void bracketed() {
    binary(0);
    if (ok() && !take(')')) fail(Error::MissingBracket);
  }

  void operand() {
    std::string_view rest = text_.substr(pos_);
    ScannedNumber number = scanHexadecimal(rest);
    if (number.length == 0) number = scanDecimal(rest);
    if (number.length > 0) {
      if (!number.inRange) return fail(Error::OutOfRange);
      pos_ += number.length;
      Step step{Step::Kind::Number};
      step.number = number.value;
      return emit(step);
    }
    if (size_t length = nameLength(rest)) {
      pos_ += length;
      return named(rest.substr(0, length));
    }
    if (take('$')) return textNumber();
    fail(Error::MissingOperand);
  }

  void named(std::string_view name) {
    std::optional<Function> function = functionNamed(name);
    if (!function) {
      Step step{Step::Kind::Variable};
      step.name = name;
      return emit(step);
    }
    primary();
    Step step{Step::Kind::Apply};
    step.function = *function;
    emit(step);
  }

  void textNumber() {
    Step step{Step::Kind::TextNumber};
    if (take('(')) {
      step.line = coordinate();
      if (take(',')) step.column = coordinate();
      if (!take(')')) return fail(Error::MissingBracket);
    }
    emit(step);
  }

  // +n or -n from the cursor's, n from 1, or nothing (or 0): the cursor's.
  Coordinate coordinate() {
    skipBlanks();
    char sign = next();
    bool relative = sign == '+' || sign == '-';
    if (relative) ++pos_;
    int64_t value = 0;
    for (; isDigit(next()); ++pos_)
      value = std::min<int64_t>(value * 10 + (next() - '0'), kFarCoordinate);
    int n = static_cast<int>(value);
    if (!relative) return n == 0 ? Coordinate{} : Coordinate{false, n};
    return {true, sign == '-' ? -n : n};
  }

  std::string_view text_;
  size_t pos_ = 0;
  int depth_ = 0;
  Program program_;
};

}  // namespace

Program compile(std::string_view expression) { return Parser(expression).compileAll(); }

}  // namespace tarn::calc
