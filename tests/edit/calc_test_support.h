// For the calculator's tests: the lines of a file, a cursor and a user
// with answers given in advance (a name without one cancels) who keeps a
// record of the names asked for; errors printed by name.
#pragma once
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "edit/calc_context.h"
#include "edit/calculator.h"

namespace tarn::calc {

inline std::ostream& operator<<(std::ostream& out, Error error) {
  switch (error) {
    case Error::None: return out << "None";
    case Error::DivisionByZero: return out << "DivisionByZero";
    case Error::OutOfRange: return out << "OutOfRange";
    case Error::MissingOperand: return out << "MissingOperand";
    case Error::MissingBracket: return out << "MissingBracket";
    case Error::TextLeftOver: return out << "TextLeftOver";
    case Error::TooDeep: return out << "TooDeep";
    case Error::Cancelled: return out << "Cancelled";
    case Error::NotAName: return out << "NotAName";
  }
  return out << static_cast<int>(error);
}

class FakeCalcContext : public Context {
 public:
  std::vector<std::string> lines;
  TextPlace cursorPlace;
  std::map<std::string, std::string, std::less<>> answers;
  std::vector<std::string> asked;

  TextPlace cursor() const override { return cursorPlace; }

  std::string_view textFrom(TextPlace place) const override {
    if (place.line < 1 || place.line > static_cast<int>(lines.size())) return {};
    std::string_view line = lines[place.line - 1];
    if (place.column < 1 || place.column > static_cast<int>(line.size())) return {};
    return line.substr(place.column - 1);
  }

  std::optional<std::string> askValue(std::string_view name) override {
    asked.emplace_back(name);
    auto answer = answers.find(name);
    if (answer == answers.end()) return std::nullopt;
    return answer->second;
  }
};

}  // namespace tarn::calc
