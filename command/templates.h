// The template language: text that passes through the function queue may
// carry directives between `<%` and `%>` (directive_text.h) that ask the
// user for values, keep them in variables, compute with them, test them and
// type them. The key loop hands over when it takes `<` with `%` next.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "command/directive_text.h"
#include "command/outcome.h"

namespace tarn::command {

class CommandLanguage;

class Templates {
 public:
  explicit Templates(CommandLanguage& language) : language_(language) {}

  // Reads the directive from the queue (the `<` is taken, `%` is next) and
  // carries it out. A directive that the queue ends before closing, or that
  // a function interrupts, is typed as it stands.
  Outcome directive();
  // Inside the false branch of an `@if`: characters between directives are
  // not typed (functions still run).
  bool skipping() const { return skipping_; }
  // The queue has been emptied and the keyboard is read again: the local
  // variables and the state of an `@if` are forgotten.
  void queueEmptied();

 private:
  Outcome carryOut(const Directive& d);
  Outcome test(const Directive& d);
  void calculate(const Directive& d);
  void assign(const Directive& d);
  void input(const Directive& d);
  void typeVariable(const Directive& d);
  Outcome runFunctions(const Directive& d);
  // The value a directive gives: the value of the variable it names, or the text itself.
  std::string valueNamed(const std::string& value) const;
  // Asks for a variable's value on the prompt line; nothing when cancelled.
  std::optional<std::string> ask(const std::string& name, const std::string& initial);
  void type(std::string_view text);

  CommandLanguage& language_;
  bool skipping_ = false;
  bool inIf_ = false;
};

// A value padded to a width: right-aligned in that many columns when it is
// positive, left-aligned when it is negative; a longer value stays whole.
std::string padded(std::string_view value, double width);

// `@calc`: with a width "%*.*f" (the integer part the field width, the first
// decimal digit the decimals); without one the number as it is.
std::string calculatedText(double value, std::optional<double> width);

// The test of an `@if`: = and <> compare text without regard to case; < >
// <= >= compare decimal numbers, texts equal as = has it making <= and >= true.
bool holds(std::string_view left, std::string_view op, std::string_view right);

}  // namespace tarn::command
