#include "command/templates.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "command/ascii.h"
#include "command/command_language.h"
#include "command/scratch_definition.h"
#include "command/words.h"
#include "core/editor.h"

namespace tarn::command {

namespace {

constexpr std::string_view kNoVariable = "String variable not defined!";
// No padding or field reaches beyond the longest line.
constexpr double kWidest = 32767;

int columnsOf(double width) { return static_cast<int>(std::clamp(width, -kWidest, kWidest)); }

// The number a text begins with (after blanks, with an optional sign); 0 for none.
double leadingNumber(std::string_view text) {
  text = skipBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::string padded(std::string_view value, double width) {
  size_t columns = static_cast<size_t>(std::abs(columnsOf(width)));
  if (columns <= value.size()) return std::string(value);
  std::string fill(columns - value.size(), ' ');
  return width > 0 ? fill + std::string(value) : std::string(value) + fill;
}

std::string calculatedText(double value, std::optional<double> width) {
  char text[64];
  if (!width) {
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
  }
  int field = columnsOf(*width);
  int decimals = static_cast<int>(std::fmod(std::fabs(*width) * 10 + 1e-6, 10));
  int length = std::snprintf(nullptr, 0, "%*.*f", field, decimals, value);
  std::string formatted(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(formatted.data(), formatted.size(), "%*.*f", field, decimals, value);
  formatted.pop_back();
  return formatted;
}

bool holds(std::string_view left, std::string_view op, std::string_view right) {
  bool same = asciiLower(left) == asciiLower(right);
  if (op == "=") return same;
  if (op == "<>") return !same;
  if ((op == "<=" || op == ">=") && same) return true;
  double l = leadingNumber(left);
  double r = leadingNumber(right);
  if (op == "<") return l < r;
  if (op == ">") return l > r;
  if (op == "<=") return l <= r;
  if (op == ">=") return l >= r;
  return false;
}

void Templates::queueEmptied() {
  language_.variables().forgetLocals();
  skipping_ = inIf_ = false;
}

Outcome Templates::directive() {
  FunctionQueue& queue = language_.queue();
  queue.take();  // the %
  std::string text;
  for (;;) {
    if (queue.empty() || !fn::isCharacter(queue.peek())) {
      if (!skipping_) type("<%" + text);
      return Outcome::done();
    }
    char c = static_cast<char>(queue.take());
    if (c == '%' && !queue.empty() && queue.peek() == '>') {
      queue.take();
      return carryOut(parseDirective(text));
    }
    text += c;
  }
}

Outcome Templates::carryOut(const Directive& d) {
  using Kind = Directive::Kind;
  if (d.kind == Kind::Else) {
    if (inIf_) skipping_ = !skipping_;
    return Outcome::done();
  }
  if (d.kind == Kind::Endif) {
    skipping_ = inIf_ = false;
    return Outcome::done();
  }
  if (skipping_) return Outcome::done();
  switch (d.kind) {
    case Kind::If: return test(d);
    case Kind::Calc: calculate(d); break;
    case Kind::Set: assign(d); break;
    case Kind::Input: input(d); break;
    case Kind::Variable: typeVariable(d); break;
    case Kind::Function: return runFunctions(d);
    case Kind::Unknown: return language_.unknown(d.word);
    case Kind::Else:
    case Kind::Endif: break;
  }
  return Outcome::done();
}

// Without an operator the test holds when the variable is not empty. A
// cancelled prompt for the variable makes it fail.
Outcome Templates::test(const Directive& d) {
  if (d.name.empty()) {
    language_.editor().screen.message(kNoVariable);
    return Outcome::done();
  }
  Variables& variables = language_.variables();
  std::optional<std::string> left;
  if (const std::string* value = variables.find(d.name)) {
    left = *value;
  } else if ((left = ask(d.name, ""))) {
    variables.set(d.name, *left);
  }
  bool result = left && (d.op.empty() ? !left->empty() : holds(*left, d.op, valueNamed(d.value)));
  inIf_ = true;
  skipping_ = !result;
  return Outcome::done();
}

// Without `=` the text is the expression, and the result is only typed.
void Templates::calculate(const Directive& d) {
  CalculatorLink* calculator = language_.calculator();
  bool stored = !d.op.empty();
  std::optional<double> value = calculator ? calculator->evaluate(stored ? d.value : d.name) : std::nullopt;
  if (!value) return;
  std::string text = calculatedText(*value, d.width);
  if (stored && !d.name.empty()) language_.variables().set(d.name, text, d.width);
  type(text);
}

// An existing variable takes the new value too; a value naming a variable
// gives that variable's value and width.
void Templates::assign(const Directive& d) {
  if (d.name.empty()) return;
  Variables& variables = language_.variables();
  std::optional<double> width = d.width;
  if (!width && variables.find(d.value)) width = variables.width(d.value);
  variables.set(d.name, valueNamed(d.value), width);
}

// The prompt offers the variable's value, or for a new one the value given.
void Templates::input(const Directive& d) {
  if (d.name.empty()) return;
  Variables& variables = language_.variables();
  const std::string* current = variables.find(d.name);
  std::optional<std::string> answer = ask(d.name, current ? *current : valueNamed(d.value));
  if (answer) variables.set(d.name, *answer, d.width);
}

void Templates::typeVariable(const Directive& d) {
  if (d.name.empty()) return;
  Variables& variables = language_.variables();
  if (!variables.find(d.name)) {
    std::optional<std::string> answer = ask(d.name, valueNamed(d.value));
    if (!answer) return;
    variables.set(d.name, *answer, d.width);
  }
  type(padded(*variables.find(d.name), d.width.value_or(variables.width(d.name))));
}

// The functions run next, before the rest of the queue.
Outcome Templates::runFunctions(const Directive& d) {
  CommandLanguage& l = language_;
  ScratchCompilation compiled = compileAsScratch(l.compiler(), l.definitions(), l.keys(), d.function, "");
  if (compiled.message) {
    l.editor().screen.message(*compiled.message);
    return Outcome::failure();
  }
  if (!l.queue().prepend(compiled.codes)) return l.tooManyFunctions();
  return Outcome::done();
}

std::string Templates::valueNamed(const std::string& value) const {
  const std::string* named = language_.variables().find(value);
  return named ? *named : value;
}

std::optional<std::string> Templates::ask(const std::string& name, const std::string& initial) {
  std::string text = initial;
  if (!language_.editor().input.readLine(name, text, false)) return std::nullopt;
  return text;
}

void Templates::type(std::string_view text) {
  for (char c : text)
    if (c) language_.send(fn::kTypeChar, static_cast<unsigned char>(c));
}

}  // namespace tarn::command
