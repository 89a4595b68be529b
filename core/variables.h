// The variables of the calculator and of the template language: values
// kept as text, each with the width its typed value is padded to. Names
// are compared without regard to ASCII case. Names beginning with `_` live
// until the editor ends; the others are local, forgotten when the function
// queue has been emptied.
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

class Variables {
 public:
  // The value text, or null when the variable is not known.
  const std::string* find(std::string_view name) const;
  // The width kept with a variable; 0 when it has none or is not known.
  double width(std::string_view name) const;
  // Sets the value, and the width when one is given: a variable made
  // without one has none, a known one keeps its own.
  void set(std::string_view name, std::string value, std::optional<double> width = std::nullopt);
  void forgetLocals() { locals_.clear(); }

 private:
  struct Entry {
    std::string value;
    double width = 0;
  };
  struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  using Map = std::map<std::string, Entry, NoCaseLess>;
  static bool isGlobal(std::string_view name) { return !name.empty() && name[0] == '_'; }
  Map& mapOf(std::string_view name) { return isGlobal(name) ? globals_ : locals_; }
  const Entry* entry(std::string_view name) const;

  Map globals_;
  Map locals_;
};

}  // namespace tarn
